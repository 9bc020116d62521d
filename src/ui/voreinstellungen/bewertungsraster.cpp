#include "ui/voreinstellungen/bewertungsraster.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <algorithm>

#include "model/einstellungen/standard.h"
#include "platform/qttext.h"

namespace orbato {
namespace {

int Version(const TStandard& standard) {
  const int32_t woche = standard.fAktuelleWoche;
  return woche >= 1 && woche <= kMaxWochen ? woche : 1;
}

QString TagName(const TStandard& standard, int tag) {
  return QtText(standard.fTagName[static_cast<std::size_t>(tag - 1)].str());
}

QString StundenName(const TStandard& standard, int std) {
  return QtText(standard
                    .fStdBez[static_cast<std::size_t>(Version(standard) - 1)]
                            [static_cast<std::size_t>(std - 1)]
                    .str())
      .trimmed();
}

}  // namespace

TBewertungsRaster::TBewertungsRaster(const TStandard& standard, QWidget* eltern)
    : QWidget(eltern), fStandard(standard) {
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  const QFontMetrics m = fontMetrics();
  int tagBreite = m.horizontalAdvance(QStringLiteral("000"));
  for (int tag = 1; tag <= kMaxTage; ++tag)
    tagBreite = std::max(tagBreite, m.horizontalAdvance(TagName(fStandard, tag)));
  int stdBreite = m.horizontalAdvance(QStringLiteral("00"));
  for (int std = 1; std <= kMaxStunden; ++std)
    stdBreite = std::max(stdBreite, m.horizontalAdvance(StundenName(fStandard, std)));
  fRandBreite = std::max(10, m.height() / 2 + 2);
  fZellBreite = tagBreite + 8;
  fZellHoehe = m.height() + 6;
  fKopfBreite = stdBreite + 10;
  fKopfHoehe = m.height() + 6;
}

void TBewertungsRaster::SetTabelle(TBewertungsTabelle* tabelle) {
  fTabelle = tabelle;
  update();
}

QSize TBewertungsRaster::sizeHint() const {
  return {fKopfBreite + kMaxTage * fZellBreite + 1, fKopfHoehe + kMaxStunden * fZellHoehe + 1};
}

QRect TBewertungsRaster::ZellRechteck(int tag, int std) const {
  return {fKopfBreite + (tag - 1) * fZellBreite, fKopfHoehe + (std - 1) * fZellHoehe, fZellBreite,
          fZellHoehe};
}

QRect TBewertungsRaster::RandOben(int tag, int std) const {
  const QRect zelle = ZellRechteck(tag, std);
  return {zelle.right() - fRandBreite + 1, zelle.top(), fRandBreite, zelle.height() / 2};
}

QRect TBewertungsRaster::RandUnten(int tag, int std) const {
  const QRect oben = RandOben(tag, std);
  const QRect zelle = ZellRechteck(tag, std);
  return {oben.left(), oben.bottom() + 1, fRandBreite, zelle.bottom() - oben.bottom()};
}

bool TBewertungsRaster::ZelleBei(const QPoint& punkt, int& tag, int& std) const {
  if (punkt.x() < fKopfBreite || punkt.y() < fKopfHoehe) return false;
  tag = (punkt.x() - fKopfBreite) / fZellBreite + 1;
  std = (punkt.y() - fKopfHoehe) / fZellHoehe + 1;
  return tag <= kMaxTage && std <= kMaxStunden;
}

void TBewertungsRaster::Pfeil(QPainter& maler, const QRect& rand, bool nachOben,
                              bool verbunden) const {
  const int mitte = rand.center().x();
  const int halb = std::max(2, (rand.width() - 4) / 2);
  const int spitze = nachOben ? rand.top() + 2 : rand.bottom() - 2;
  const int fuss = nachOben ? std::min(rand.bottom() - 1, spitze + halb + 1)
                            : std::max(rand.top() + 1, spitze - halb - 1);
  const QPolygon dreieck(
      {QPoint(mitte, spitze), QPoint(mitte - halb, fuss), QPoint(mitte + halb, fuss)});
  const QColor farbe = verbunden ? QColor(Qt::red) : palette().color(QPalette::Mid);
  maler.setPen(farbe);
  maler.setBrush(farbe);
  maler.drawPolygon(dreieck);
}

void TBewertungsRaster::paintEvent(QPaintEvent*) {
  QPainter maler(this);
  const QColor text = palette().color(QPalette::Text);
  for (int tag = 1; tag <= kMaxTage; ++tag) {
    const QRect kopf(fKopfBreite + (tag - 1) * fZellBreite, 0, fZellBreite, fKopfHoehe);
    maler.drawText(kopf, Qt::AlignCenter, TagName(fStandard, tag));
  }
  for (int std = 1; std <= kMaxStunden; ++std) {
    const QRect kopf(0, fKopfHoehe + (std - 1) * fZellHoehe, fKopfBreite - 5, fZellHoehe);
    maler.drawText(kopf, Qt::AlignRight | Qt::AlignVCenter, StundenName(fStandard, std));
  }
  if (fTabelle == nullptr) return;
  for (int tag = 1; tag <= kMaxTage; ++tag) {
    for (int std = 1; std <= kMaxStunden; ++std) {
      const QRect zelle = ZellRechteck(tag, std);
      const bool gedrueckt = fDruckRand == 0 && fDruckTag == tag && fDruckStd == std;
      maler.fillRect(zelle, palette().color(gedrueckt ? QPalette::Highlight : QPalette::Base));
      maler.setPen(palette().color(QPalette::Mid));
      maler.setBrush(Qt::NoBrush);
      maler.drawRect(zelle.adjusted(0, 0, -1, -1));
      maler.setPen(gedrueckt ? palette().color(QPalette::HighlightedText) : text);
      const QRect zahl = zelle.adjusted(2, 0, -fRandBreite - 1, 0);
      maler.drawText(zahl, Qt::AlignCenter, QString::number(Rang(*fTabelle, tag, std)));
      if (std > 1)
        Pfeil(maler, RandOben(tag, std), true, MitNaechsterVerbunden(*fTabelle, tag, std - 1));
      if (std < kMaxStunden)
        Pfeil(maler, RandUnten(tag, std), false, MitNaechsterVerbunden(*fTabelle, tag, std));
    }
  }
}

void TBewertungsRaster::mousePressEvent(QMouseEvent* ereignis) {
  const QPoint punkt = ereignis->position().toPoint();
  fDruckTag = 0;
  if (ereignis->button() != Qt::LeftButton || !ZelleBei(punkt, fDruckTag, fDruckStd)) {
    fDruckTag = 0;
    return;
  }
  fDruckRand = RandOben(fDruckTag, fDruckStd).contains(punkt)    ? -1
               : RandUnten(fDruckTag, fDruckStd).contains(punkt) ? 1
                                                                 : 0;
  update();
}

void TBewertungsRaster::mouseReleaseEvent(QMouseEvent* ereignis) {
  if (ereignis->button() != Qt::LeftButton || fDruckTag == 0 || fTabelle == nullptr) return;
  const int vonTag = fDruckTag;
  const int vonStd = fDruckStd;
  const int rand = fDruckRand;
  fDruckTag = 0;
  update();
  int tag = 0;
  int std = 0;
  if (!ZelleBei(ereignis->position().toPoint(), tag, std)) return;
  bool anders = false;
  if (tag != vonTag || std != vonStd) {
    // A drag from the cell's rank, not from its margin, onto another cell.
    if (rand != 0) return;
    RaengeTauschen(*fTabelle, vonTag, vonStd, tag, std);
    anders = true;
  } else if (rand < 0) {
    anders = VerbindungUmschalten(*fTabelle, tag, std - 1);
  } else if (rand > 0) {
    anders = VerbindungUmschalten(*fTabelle, tag, std);
  }
  if (anders) emit geaendert();
}

}  // namespace orbato
