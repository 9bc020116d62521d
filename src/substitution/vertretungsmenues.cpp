// The pop-up menus of a record: "Wie am", the remarks, and the "statt" swaps.
#include <memory>

#include "model/basis/datumformat.h"
#include "model/dokument/schule.h"
#include "model/vertretung/kalender.h"
#include "placement/eignung.h"

namespace orbato {

namespace {

constexpr int kTageHin = 89;
constexpr int kAngeboteJeRichtung = 2;

std::string StundenText(const TSetzung& s) {
  return StundenBezeichnung(s.fWoche, s.fStunde);
}

// Up to two dates from `start` on in steps of `schritt` days whose weekday and plan version fit
// the placement, which are no holiday and carry no record of it yet.
void SucheTage(const TSetzung& s, int start, int schritt, std::vector<int>& tage) {
  int gefunden = 0;
  for (int versatz = 0; versatz < kTageHin && gefunden < kAngeboteJeRichtung; ++versatz) {
    const int tag = start + versatz * schritt;
    if (UngeeigneterTag(s, tag + 0.5)) continue;
    tage.push_back(tag);
    ++gefunden;
  }
}

}  // namespace

TMenu TVertretung::ErzeugeWieMenu() {
  TMenu menu;
  if (fSetzung == nullptr) return menu;
  for (TVertretung* v : fSetzung->fVertretungen) {
    if (v == this || v->fLehrer == nullptr) continue;
    menu.push_back(MenuEintrag(v->ZeitZeile() + " " + v->fLehrer->fKuerzel.str(),
                               [this, v] { WieAuswahl(v); }));
  }
  InSpaltenUmbrechen(menu, MenuSpaltenLaenge(static_cast<int>(menu.size())));
  return menu;
}

TMenu TVertretung::ErzeugeInfoMenu() const {
  TMenu menu;
  if (!fLInfo.empty()) menu.push_back(MenuEintrag(fLInfo.str()));
  if (!fSInfo.empty()) menu.push_back(MenuEintrag(fSInfo.str()));
  return menu;
}

TMenu TVertretung::ErzeugeKlassenMenu(TLehrer* lehrer) {
  fStattListe.ListeEntfernen(true);
  TMenu menu;
  const TKlasse* klasse = fKurs ? fKurs->ErsteKlasse() : nullptr;
  if (lehrer == nullptr || klasse == nullptr) return menu;
  const bool beschaeftigt = lehrer->fBesetzung.GetWocheTagStd(Woche(), Tag(), Stunde());
  const int heute = GanzerTag(fDatum);
  for (TKurs* k : klasse->fKurse) {
    if (k->fLehrer != lehrer || k->fKopplung || k->fKlassen.ListeZahlElemente() >= 2) continue;
    for (TSetzung* s : k->fSetzungen) {
      if (!s->AmRand(*klasse)) continue;
      std::vector<int> tage;
      SucheTage(*s, heute, -1, tage);
      SucheTage(*s, heute + 1, +1, tage);
      for (int tag : tage) {
        auto* statt = new TStatt{lehrer, k, s, tag + 0.5};
        fStattListe.ListeAnhaengen(statt);
        const int32_t nr = fStattListe.ListeZahlElemente();
        TMenuEintrag e = MenuEintrag(
            FormatDatum("ddd, d\".\" mmm", statt->fDatum) + "  " + StundenText(*s),
            [this, nr] { StattWahl(nr); }, nr);
        e.fEnabled = !beschaeftigt;
        menu.push_back(std::move(e));
      }
    }
  }
  InSpaltenUmbrechen(menu, MenuSpaltenLaenge(static_cast<int>(menu.size())));
  return menu;
}

bool TVertretung::StattWahl(int32_t nr) {
  const TStatt* statt = fStattListe.ListeNrInhalt(nr);
  if (statt == nullptr) return false;
  return TrageLehrerEin(statt->fLehrer, statt);
}

}  // namespace orbato
