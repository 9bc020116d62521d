#include "model/kursmenue.h"

#include <algorithm>

#include "model/kurs.h"
#include "model/standard.h"
#include "model/stundenwert.h"

namespace orbato {
namespace {

// One entry per number, marked when it is the course's value.
template <class Befehl>
TMenu Zahlenmenu(
    int von, int bis, int markiert, Befehl befehl,
    std::string (*text)(int) = [](int i) { return std::to_string(i); }) {
  TMenu menu;
  for (int i = von; i <= bis; ++i) {
    TMenuEintrag eintrag = MenuEintrag(
        text(i), [befehl, i] { befehl(i); }, i);
    eintrag.fChecked = i == markiert;
    menu.push_back(std::move(eintrag));
  }
  return menu;
}

}  // namespace

TMenu StundenMenu(TKurs& kurs) {
  const TStandard& s = Standard();
  const int faktor = s.fEineWoche ? 1 : s.WochenZahl();
  TMenu menu;
  for (int i = 0; i <= 20; ++i) {
    TMenuEintrag e = MenuEintrag(
        std::to_string(i * faktor), [&kurs, i] { kurs.SetzeStunden(i); }, i);
    e.fChecked = kurs.fStunden.GetWochenStunde(-1) == i * faktor;
    menu.push_back(std::move(e));
  }
  return menu;
}

TMenu FaktorMenu(TKurs& kurs) {
  const int32_t stunden = kurs.fStunden.GetWochenStunde(-1);
  TMenu menu;
  for (int i = 0; i <= 10; ++i) {
    TMenuEintrag e = MenuEintrag(
        StundenWert(stunden * i), [&kurs, i] { kurs.SetFaktor(i); }, i);
    e.fChecked = kurs.fFaktor == i;
    menu.push_back(std::move(e));
  }
  return menu;
}

TMenu StdProTagMenu(TKurs& kurs) {
  return Zahlenmenu(1, std::max(kurs.AnzeigeStunden(), 1), kurs.fStdProTag,
                    [&kurs](int i) { kurs.SetzeStdProTag(i); });
}

TMenu EinzelStdMenu(TKurs& kurs) {
  const int bis = std::min(Standard().fMaxTageNeu, kurs.AnzeigeStunden());
  return Zahlenmenu(0, std::max(bis, 0), kurs.fEinzelStd, [&kurs](int i) { kurs.SetEinzelStd(i); });
}

TMenu TabellenMenu(TKurs& kurs) {
  return Zahlenmenu(1, 4, kurs.fTabellenNr, [&kurs](int i) { kurs.SetTabellenNr(i); });
}

}  // namespace orbato
