#include "ui/voreinstellungen/wochenraster.h"

#include <QMouseEvent>
#include <QPainter>

#include "model/einstellungen/standard.h"
#include "platform/qttext.h"

namespace orbato {
namespace {
constexpr int kKopfBreite = 34;
constexpr int kKopfHoehe = 18;
constexpr int kZellBreite = 30;
constexpr int kZellHoehe = 16;
}  // namespace

TWochenRaster::TWochenRaster(const TWoElem& elem, const TStandard& standard, QWidget* eltern)
    : QWidget(eltern),
      fElem(elem),
      fStandard(standard),
      fTage(standard.fMaxTageNeu),
      fStunden(standard.fPlnStd) {
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize TWochenRaster::sizeHint() const {
  return {kKopfBreite + fTage * kZellBreite + 1, kKopfHoehe + fStunden * kZellHoehe + 1};
}

QRect TWochenRaster::ZellRechteck(int tag, int std) const {
  return {kKopfBreite + (tag - 1) * kZellBreite, kKopfHoehe + (std - 1) * kZellHoehe, kZellBreite,
          kZellHoehe};
}

bool TWochenRaster::ZelleBei(const QPoint& punkt, int& tag, int& std) const {
  if (punkt.x() < kKopfBreite || punkt.y() < kKopfHoehe) return false;
  tag = (punkt.x() - kKopfBreite) / kZellBreite + 1;
  std = (punkt.y() - kKopfHoehe) / kZellHoehe + 1;
  return tag <= fTage && std <= fStunden;
}

void TWochenRaster::paintEvent(QPaintEvent*) {
  QPainter maler(this);
  const TStandard& s = fStandard;
  const int version =
      s.fAktuelleWoche >= 1 && s.fAktuelleWoche <= kMaxWochen ? s.fAktuelleWoche : 1;
  for (int tag = 1; tag <= fTage; ++tag) {
    const QRect kopf(kKopfBreite + (tag - 1) * kZellBreite, 0, kZellBreite, kKopfHoehe);
    maler.drawText(kopf, Qt::AlignCenter, QtText(s.fTagBez[tag - 1].str()));
  }
  for (int std = 1; std <= fStunden; ++std) {
    const QRect kopf(0, kKopfHoehe + (std - 1) * kZellHoehe, kKopfBreite - 3, kZellHoehe);
    maler.drawText(kopf, Qt::AlignRight | Qt::AlignVCenter,
                   QtText(s.fStdBez[version - 1][std - 1].str()).trimmed());
  }
  for (int tag = 1; tag <= fTage; ++tag) {
    for (int std = 1; std <= fStunden; ++std) {
      const QRect zelle = ZellRechteck(tag, std);
      maler.fillRect(zelle, fElem.GetTagStd(tag, std) ? palette().color(QPalette::Dark)
                                                      : palette().color(QPalette::Base));
      maler.setPen(palette().color(QPalette::Mid));
      maler.drawRect(zelle);
    }
  }
}

void TWochenRaster::Setze(int tag, int std) {
  if (fElem.GetTagStd(tag, std) == fZiehWert) return;
  fElem.SetTagStd(tag, std, fZiehWert);
  update(ZellRechteck(tag, std));
  emit geaendert();
}

void TWochenRaster::mousePressEvent(QMouseEvent* ereignis) {
  int tag = 0;
  int std = 0;
  fZieht =
      ereignis->button() == Qt::LeftButton && ZelleBei(ereignis->position().toPoint(), tag, std);
  if (!fZieht) return;
  fZiehWert = !fElem.GetTagStd(tag, std);
  Setze(tag, std);
}

void TWochenRaster::mouseMoveEvent(QMouseEvent* ereignis) {
  int tag = 0;
  int std = 0;
  if (fZieht && (ereignis->buttons() & Qt::LeftButton) &&
      ZelleBei(ereignis->position().toPoint(), tag, std)) {
    Setze(tag, std);
  }
}

}  // namespace orbato
