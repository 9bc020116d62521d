#include "ui/stammdaten/sperrraster.h"

#include <QHeaderView>

#include "model/einstellungen/standard.h"
#include "model/woche/wochbereich.h"
#include "platform/qttext.h"
#include "ui/bausteine/gummirahmen.h"

namespace orbato {
namespace {

constexpr int kSpalte = 28;
constexpr int kZeile = 18;
constexpr int kPerioden = 16;

int32_t AktuelleVersion(const TStandard& s) {
  const int32_t w = s.fAktuelleWoche;
  return w >= 1 && w <= s.WochenZahl() ? w : 1;
}

}  // namespace

TSperrRaster::TSperrRaster(const TStandard& standard) : fStandard(standard) {
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::NoSelection);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setDefaultSectionSize(kSpalte);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(kZeile);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  new TGummiRahmen(this, Qt::NoModifier, [this](const QModelIndex& von, const QModelIndex& bis) {
    if (fGezogen) fGezogen(von.column() + 1, von.row() + 1, bis.column() + 1, bis.row() + 1);
  });
}

void TSperrRaster::Anzeigen(const TWochBereich& sperrung, const TWochBereich& besetzung,
                            const QColor& belegt) {
  const TStandard& s = fStandard;
  const int32_t woche = AktuelleVersion(s);
  const int tage = s.fMaxTageNeu >= 1 && s.fMaxTageNeu <= 7 ? s.fMaxTageNeu : 7;
  setColumnCount(tage);
  setRowCount(kPerioden);
  QStringList koepfe;
  for (int t = 1; t <= tage; ++t) koepfe << QtText(s.fTagBez[t - 1].str());
  setHorizontalHeaderLabels(koepfe);
  koepfe.clear();
  for (int p = 1; p <= kPerioden; ++p) koepfe << QtText(s.fStdBez[woche - 1][p - 1].str());
  setVerticalHeaderLabels(koepfe);
  for (int t = 1; t <= tage; ++t) {
    for (int p = 1; p <= kPerioden; ++p) {
      auto* zelle = new QTableWidgetItem;
      zelle->setTextAlignment(Qt::AlignCenter);
      if (besetzung.GetWocheTagStd(woche, t, p)) {
        zelle->setText(QString::fromUtf8("•"));
        zelle->setBackground(belegt);
      } else if (sperrung.GetWocheTagStd(woche, t, p)) {
        zelle->setText(QStringLiteral("X"));
        zelle->setBackground(Qt::lightGray);
      }
      setItem(p - 1, t - 1, zelle);
    }
  }
  // The whole week in view: the rubber band needs every cell on screen.
  const int breite = verticalHeader()->sizeHint().width() + tage * kSpalte + 2 * frameWidth();
  const int hoehe = horizontalHeader()->sizeHint().height() + kPerioden * kZeile + 2 * frameWidth();
  setFixedSize(breite, hoehe);
}

}  // namespace orbato
