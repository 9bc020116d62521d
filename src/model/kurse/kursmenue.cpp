#include "model/kurse/kursmenue.h"

#include <algorithm>
#include <string>

#include "model/einstellungen/standard.h"
#include "model/kurse/kurs.h"
#include "model/uv/stundenwert.h"

namespace orbato {
namespace {

// One entry per number von..bis: its caption, whether it is the course's value, and the change.
template <class Text, class Markiert, class Befehl>
TMenu Zahlenmenu(int von, int bis, Text text, Markiert markiert, Befehl befehl) {
  TMenu menu;
  for (int i = von; i <= bis; ++i) {
    TMenuEintrag eintrag = MenuEintrag(
        text(i), [befehl, i] { befehl(i); }, i);
    eintrag.fChecked = markiert(i);
    menu.push_back(std::move(eintrag));
  }
  return menu;
}

std::string Zahl(int i) {
  return std::to_string(i);
}

}  // namespace

TMenu StundenMenu(TKurs& kurs) {
  const TStandard& s = Standard();
  const int faktor = s.fEineWoche ? 1 : s.WochenZahl();
  return Zahlenmenu(
      0, 20, [faktor](int i) { return Zahl(i * faktor); },
      [&kurs, faktor](int i) { return kurs.fStunden.GetWochenStunde(-1) == i * faktor; },
      [&kurs](int i) { kurs.SetzeStunden(i); });
}

TMenu FaktorMenu(TKurs& kurs) {
  const int32_t stunden = kurs.fStunden.GetWochenStunde(-1);
  return Zahlenmenu(
      0, 10, [stunden](int i) { return StundenWert(stunden * i); },
      [&kurs](int i) { return kurs.fFaktor == i; }, [&kurs](int i) { kurs.SetFaktor(i); });
}

TMenu StdProTagMenu(TKurs& kurs) {
  return Zahlenmenu(
      1, std::max(kurs.AnzeigeStunden(), 1), Zahl, [&kurs](int i) { return kurs.fStdProTag == i; },
      [&kurs](int i) { kurs.SetzeStdProTag(i); });
}

TMenu EinzelStdMenu(TKurs& kurs) {
  const int bis = std::min(Standard().fMaxTageNeu, kurs.AnzeigeStunden());
  return Zahlenmenu(
      0, std::max(bis, 0), Zahl, [&kurs](int i) { return kurs.fEinzelStd == i; },
      [&kurs](int i) { kurs.SetEinzelStd(i); });
}

TMenu TabellenMenu(TKurs& kurs) {
  return Zahlenmenu(
      1, 4, Zahl, [&kurs](int i) { return kurs.fTabellenNr == i; },
      [&kurs](int i) { kurs.SetTabellenNr(i); });
}

}  // namespace orbato
