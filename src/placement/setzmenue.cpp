#include "placement/setzmenue.h"

#include <algorithm>
#include <string>
#include <utility>

#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/elemente/kopplung.h"
#include "model/elemente/raum.h"
#include "model/kurse/kurs.h"
#include "model/schnittstellen/dialoge.h"
#include "placement/planzellen.h"
#include "placement/raeume.h"
#include "placement/regeln.h"
#include "placement/setzen.h"
#include "placement/wochenspanne.h"

namespace orbato {
namespace {

// Free in every version of the span.
bool RaumFreiInSpanne(const TStandard& standard, const TRaum& raum, int32_t tag, int32_t std) {
  const TWochenSpanne spanne = Wochenspanne(standard);
  for (int32_t w = spanne.von; w <= spanne.bis; ++w) {
    if (!RaumFrei(raum, w, tag, std)) return false;
  }
  return true;
}

// A coupled course may go where each course of its coupling either does not stand in the way or
// already holds the cell.
bool KopplungSetzbar(const TKurs& kurs, int32_t woche, int32_t tag, int32_t std) {
  if (kurs.fKopplung == nullptr) return IstSetzbar(kurs, woche, tag, nullptr, std);
  for (const TKurs* k : kurs.fKopplung->fKurse) {
    if (!IstSetzbar(*k, woche, tag, kurs.fKopplung, std) &&
        !k->fBesetzung.GetWocheTagStd(woche, tag, std)) {
      return false;
    }
  }
  return true;
}

std::string KursEintragText(const TKurs& kurs) {
  return "[" + std::to_string(kurs.RestStunden(-1)) + "] " + kurs.OhneRaumZeile(nullptr);
}

// Whether the course has a lesson in the cell of the week (in that room, when one is given).
bool InZelle(const TKurs& kurs, int32_t woche, const TRaum* raum, int32_t tag, int32_t std) {
  const TSetzung* s = kurs.SetzungFinden(woche, tag, std);
  return s != nullptr && (raum == nullptr || s->fRaum == raum);
}

void Setze(TSchule& schule, const TStandard& standard, TKurs& kurs, int zellTag, TRaum* raum) {
  const int32_t tag = zellTag / 100;
  const int32_t std = zellTag % 100;
  const TWochenSpanne spanne = Wochenspanne(standard);
  bool ohneRaum = false;
  for (int32_t w = spanne.von; w <= spanne.bis; ++w) {
    // A course of the coupling that already stands in the cell keeps its lesson there: the menu
    // offers such a cell to complete the coupling, and a second lesson in one cell would book
    // the teacher twice.
    if (!InZelle(kurs, w, nullptr, tag, std)) NeueSetzung(kurs, w, tag, raum, std);
    if (kurs.fKopplung == nullptr) continue;
    for (TKurs* k : kurs.fKopplung->fKurse) {
      if (k == &kurs || InZelle(*k, w, nullptr, tag, std)) continue;
      TRaum* frei = FreierRaum(*k, w, tag, std);
      // Only a lesson actually placed without a room is worth the warning.
      if (NeueSetzung(*k, w, tag, frei, std) && frei == nullptr && w == standard.fAktuelleWoche) {
        ohneRaum = true;
      }
    }
  }
  if (ohneRaum) {
    schule.Dialog().Nachricht("Warnung",
                              {"Ein gekoppelter Kurs konnte nur ohne Raum gesetzt werden."},
                              TMeldungsArt::Warnung);
  }
}

// How a room fares over the marked cells: it fits them all, or the first cell that fails it is
// blocked for it, or busy with a lesson that is not the course's.
enum class TRaumProbe { Passt, Gesperrt, Belegt };

template <class Markiert>
TRaumProbe PruefeRaum(const TStandard& st, const TKurs& kurs, const TRaum& raum,
                      Markiert&& markiert) {
  for (int32_t tag = 1; tag <= st.fMaxTageNeu; ++tag) {
    for (int32_t std = 1; std <= st.fPlnStd; ++std) {
      if (!markiert(tag, std)) continue;
      if (raum.fSperrung.GetWocheTagStd(-1, tag, std)) return TRaumProbe::Gesperrt;
      if (raum.fBesetzung.GetWocheTagStd(-1, tag, std) && RaumFinden(kurs, -1, tag, std) != &raum) {
        return TRaumProbe::Belegt;
      }
    }
  }
  return TRaumProbe::Passt;
}

template <class Markiert, class Setzen>
void RaumMenu(const TSchule& schule, const TStandard& standard, TKurs& kurs, TMenu& menu,
              Markiert&& markiert, Setzen&& setzen) {
  for (TRaum* r : schule.fRaumMenge) {
    const TRaumProbe probe = PruefeRaum(standard, kurs, *r, markiert);
    const std::string name = r->fKuerzel.str();
    std::string text;
    if (probe == TRaumProbe::Passt) {
      text = kurs.HatRaum(r) ? name : "<" + name + ">";
    } else if (probe == TRaumProbe::Belegt && kurs.HatRaum(r)) {
      text = "[" + name + "]";
    } else {
      continue;
    }
    menu.push_back(MenuEintrag(text, [&kurs, r, setzen] { setzen(kurs, r); }));
  }
}

void RechtsMenu(const TStandard& standard, TKurs& kurs, TMenu& menu, std::function<void()> zeigen,
                void (*wahl)(const TStandard&, TKurs&, const TRaum*)) {
  if (kurs.fNichtVerplanen) return;
  TMenuEintrag eintrag = MenuEintrag(KursEintragText(kurs));
  eintrag.fEnabled = kurs.RestStunden(-1) > 0;
  if (eintrag.fEnabled) {
    const auto waehle = [&standard, &kurs, zeigen, wahl](const TRaum* raum) {
      return [&standard, &kurs, zeigen, wahl, raum] {
        wahl(standard, kurs, raum);
        if (zeigen) zeigen();
      };
    };
    eintrag.fUntermenu.push_back(MenuEintrag("ohne Raum", waehle(nullptr)));
    for (TRaum* r : kurs.fRaeume)
      eintrag.fUntermenu.push_back(MenuEintrag(r->fKuerzel.str(), waehle(r)));
  }
  menu.push_back(std::move(eintrag));
}

// Whether the course, with the coupled courses still short of lessons, cannot go into the cell.
bool Unmoeglich(const TKurs& kurs, const TRaum* raum, int32_t tag, int32_t std) {
  if (!SetzungPossible(kurs, -1, tag, raum, std)) return true;
  if (kurs.fKopplung == nullptr) return false;
  for (const TKurs* k : kurs.fKopplung->fKurse) {
    if (k == &kurs || k->fNichtVerplanen || k->RestStunden(-1) <= 0) continue;
    if (!SetzungPossible(*k, -1, tag, nullptr, std)) return true;
  }
  return false;
}

void MenuZeile(TMenu& menu, std::string text, int32_t tag, int32_t std, TKurs& kurs,
               bool wechselbar, const TKlPlanWechsel& wechseln) {
  TMenuEintrag e = MenuEintrag(std::move(text), {}, ZellTag(tag, std));
  if (wechselbar && wechseln) e.fBefehl = [&kurs, wechseln, tag, std] { wechseln(kurs, tag, std); };
  menu.push_back(std::move(e));
}

}  // namespace

void ErzeugeSetzMenu(TSchule& schule, const TStandard& standard, TKurs& kurs, TMenu& menu,
                     int32_t tag, bool mitRaum, int32_t std, TRaum* fensterRaum) {
  if (kurs.fNichtVerplanen || kurs.RestStunden(-1) <= 0) return;
  const TWochenSpanne spanne = Wochenspanne(standard);
  bool setzbar = true;
  for (int32_t w = spanne.von; w <= spanne.bis && setzbar; ++w) {
    setzbar = !InZelle(kurs, w, nullptr, tag, std) && KopplungSetzbar(kurs, w, tag, std);
  }
  const int zelle = ZellTag(tag, std);
  TMenuEintrag eintrag = MenuEintrag(KursEintragText(kurs), {}, zelle);
  if (!mitRaum) {
    eintrag.fEnabled =
        setzbar && (fensterRaum == nullptr || RaumFreiInSpanne(standard, *fensterRaum, tag, std));
    eintrag.fBefehl = [&schule, &standard, &kurs, zelle, fensterRaum] {
      SetzImRaum(schule, standard, kurs, zelle, fensterRaum);
    };
  } else {
    eintrag.fEnabled = setzbar;
    if (setzbar) {
      eintrag.fUntermenu.push_back(MenuEintrag(
          "ohne Raum",
          [&schule, &standard, &kurs, zelle] {
            SetzMitRaum(schule, standard, kurs, zelle, nullptr);
          },
          zelle));
      for (TRaum* r : kurs.fRaeume) {
        TMenuEintrag e = MenuEintrag(
            r->fKuerzel.str(),
            [&schule, &standard, &kurs, zelle, r] {
              SetzMitRaum(schule, standard, kurs, zelle, r);
            },
            zelle);
        e.fEnabled = RaumFreiInSpanne(standard, *r, tag, std);
        eintrag.fUntermenu.push_back(std::move(e));
      }
    }
  }
  menu.push_back(std::move(eintrag));
}

void SetzMitRaum(TSchule& schule, const TStandard& standard, TKurs& kurs, int zellTag,
                 TRaum* raum) {
  Setze(schule, standard, kurs, zellTag, raum);
}

void SetzImRaum(TSchule& schule, const TStandard& standard, TKurs& kurs, int zellTag, TRaum* raum) {
  Setze(schule, standard, kurs, zellTag, raum);
}

void ErzeugeRaumSetzMenu(const TSchule& schule, const TStandard& standard, TKurs& kurs, TMenu& menu,
                         const TPlanZellen& fenster) {
  RaumMenu(
      schule, standard, kurs, menu,
      [&fenster](int32_t tag, int32_t std) { return fenster.ZellMarke(tag, std) == 'R'; },
      [&fenster](TKurs& k, TRaum* r) { RaumSetzen(k, r, fenster); });
}

void ErzeugeRaumUeberSetzMenu(const TSchule& schule, const TStandard& standard, TKurs& kurs,
                              TMenu& menu, const TUeberZellen& fenster) {
  RaumMenu(
      schule, standard, kurs, menu,
      [&fenster](int32_t tag, int32_t std) {
        return fenster.ZeilenMarke(UeberZeile(tag, std)) == 'R';
      },
      [&fenster](TKurs& k, TRaum* r) { RaumUeberSetzen(k, r, fenster); });
}

void ErzeugeRechtsMenu(const TStandard& standard, TKurs& kurs, TMenu& menu,
                       std::function<void()> zeigen) {
  RechtsMenu(standard, kurs, menu, std::move(zeigen), &RechtsWahl);
}

void ErzeugeRechtsUebMenu(const TStandard& standard, TKurs& kurs, TMenu& menu,
                          std::function<void()> zeigen) {
  RechtsMenu(standard, kurs, menu, std::move(zeigen), &RechtsUebWahl);
}

void RechtsWahl(const TStandard& st, TKurs& kurs, const TRaum* raum) {
  const int32_t woche = st.fAktuelleWoche;
  kurs.fSetzungUnmoeglich.SetWocheTagStd(woche, 0, false, 0);
  for (int32_t tag = 1; tag <= st.fMaxTageNeu; ++tag) {
    for (int32_t std = 1; std <= kMaxStunden; ++std) {
      if (Unmoeglich(kurs, raum, tag, std))
        kurs.fSetzungUnmoeglich.SetWocheTagStd(woche, tag, true, std);
    }
  }
}

void RechtsUebWahl(const TStandard& standard, TKurs& kurs, const TRaum* raum) {
  RechtsWahl(standard, kurs, raum);
}

void ErzeugePlnMenu(const TStandard& standard, TKurs& kurs, TMenu& menu, bool mitInfo,
                    TKuerzelArt art, const TRaum* raum, int32_t std, int32_t tag,
                    const TKlPlanWechsel& wechseln) {
  const TWochenSpanne spanne = Wochenspanne(standard);
  const bool eineZeile = art == kla || kurs.fKlassen.ListeZahlElemente() < 2;
  for (int32_t w = spanne.von; w <= spanne.bis; ++w) {
    if (!InZelle(kurs, w, raum, tag, std)) continue;
    if (eineZeile) {
      MenuZeile(menu, kurs.WochenZeile(w, tag, nullptr, mitInfo, std), tag, std, kurs, art == kla,
                wechseln);
      continue;
    }
    for (const TKlasse* k : kurs.fKlassen) {
      MenuZeile(menu, kurs.WochenZeile(w, tag, k, mitInfo, std), tag, std, kurs, false, wechseln);
    }
  }
}

void ErzeugePlnKoppMenu(const TStandard& st, TKurs& kurs, TMenu& menu, bool mitInfo,
                        TKuerzelArt art, const TRaum* raum, int32_t std, int32_t tag,
                        std::vector<const TKopplung*>& gezeigt, const TKlPlanWechsel& wechseln) {
  if (!st.fEineWoche) return;
  const int32_t w = st.fAktuelleWoche;
  if (!InZelle(kurs, w, raum, tag, std)) return;
  const bool klassenPlan = art == kla;
  if (kurs.fKopplung == nullptr) {
    MenuZeile(menu, kurs.WochenZeile(w, tag, nullptr, mitInfo, std), tag, std, kurs, klassenPlan,
              wechseln);
    return;
  }
  if (std::find(gezeigt.begin(), gezeigt.end(), kurs.fKopplung) != gezeigt.end()) return;
  gezeigt.push_back(kurs.fKopplung);
  for (TKurs* k : kurs.fKopplung->fKurse) {
    MenuZeile(menu, k->WochenZeile(w, tag, nullptr, mitInfo, std), tag, std, *k, klassenPlan,
              wechseln);
  }
}

void FixiereZelle(TSchule& schule, const TStandard& standard, TKurs& kurs, int32_t tag,
                  int32_t std) {
  const TWochenSpanne spanne = Wochenspanne(standard);
  if (kurs.fKopplung == nullptr) {
    for (int32_t w = spanne.von; w <= spanne.bis; ++w) {
      if (TSetzung* s = kurs.SetzungFinden(w, tag, std)) {
        kurs.SetzeFixiert(s, !s->fFixiert);
        PlanFensterAktualisieren(kurs, s->fRaum);
      }
    }
  } else {
    // One state for the whole coupling, so that its lessons never end up half fixed.
    const bool neu = !kurs.IstFixiert(spanne.von, tag, std);
    for (TKurs* k : kurs.fKopplung->fKurse) {
      for (int32_t w = spanne.von; w <= spanne.bis; ++w) {
        if (TSetzung* s = k->SetzungFinden(w, tag, std)) {
          k->SetzeFixiert(s, neu);
          PlanFensterAktualisieren(*k, s->fRaum);
        }
      }
    }
  }
  schule.SetDirty();
}

}  // namespace orbato
