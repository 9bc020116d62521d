#include "ui/plaene/wochentabelle.h"

#include <QStringList>
#include <QTableWidget>
#include <algorithm>

#include "model/einstellungen/standard.h"
#include "platform/qttext.h"

namespace orbato {

TSchulwoche WochenTabelle(QTableWidget& tabelle, const TStandard& s, int32_t woche) {
  const TSchulwoche schulwoche{std::clamp<int>(s.fMaxTageNeu, 1, kMaxTage),
                               std::clamp<int>(s.fPlnStd, 1, kMaxStunden)};
  tabelle.setColumnCount(schulwoche.tage);
  tabelle.setRowCount(schulwoche.stunden);
  QStringList tagKoepfe;
  for (int t = 1; t <= schulwoche.tage; ++t) tagKoepfe << QtText(s.fTagBez[t - 1].str());
  tabelle.setHorizontalHeaderLabels(tagKoepfe);
  QStringList stdKoepfe;
  for (int p = 1; p <= schulwoche.stunden; ++p)
    stdKoepfe << QtText(s.fStdBez[woche - 1][p - 1].str());
  tabelle.setVerticalHeaderLabels(stdKoepfe);
  return schulwoche;
}

}  // namespace orbato
