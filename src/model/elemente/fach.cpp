#include "model/elemente/fach.h"

#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/elemente/klasse.h"
#include "model/elemente/lehrer.h"
#include "model/kurse/kurs.h"

namespace orbato {

TFach::~TFach() = default;

std::string TFach::KursPopZeile(const TLehrer* lehrer, int32_t rest) const {
  int32_t stunden = 0;
  for (const TKurs* k : fKurse) {
    if (k->fLehrer == lehrer) stunden += k->fStunden.GetWochenStunde(-1) * k->fFaktor;
  }
  return PopZeile(stunden, lehrer->GetSoll(-1) - stunden - rest, rest, fKuerzel.str());
}

TMenu TFach::LehrerPopupFuellen() {
  TMenu menu;
  for (TLehrer* l : fLehrer) {
    menu.push_back(MenuEintrag(l->KursPopZeile(this, leh), [this, l] { fPopLehrer = l; }));
    menu.back().fHinweis = l->KursPopHinweis(this, leh);
  }
  // The columns follow the number of classes of the school, as in the class menu beside it.
  InSpaltenUmbrechen(menu, FachPopupSpaltenLaenge(Schule().fKlassenMenge.ListeZahlElemente()));
  return menu;
}

TMenu TFach::KlassenPopupFuellen() {
  const TListe<TKlasse>& klassen = Schule().fKlassenMenge;
  TMenu menu;
  for (TKlasse* k : klassen) {
    menu.push_back(MenuEintrag(k->KursPopZeile(this, kla), [this, k] { fPopKlasse = k; }));
    menu.back().fHinweis = k->KursPopHinweis(this, kla);
  }
  InSpaltenUmbrechen(menu, FachPopupSpaltenLaenge(klassen.ListeZahlElemente()));
  return menu;
}

TKurs* TFach::NeuerKurs() {
  auto* kurs = new TKurs;
  kurs->IKurs(nullptr, nullptr, Standard().fKursStd, nullptr, this, nullptr);
  return kurs;
}

int32_t TFach::LehrerSumme(const TLehrer* lehrer) const {
  int32_t summe = 0;
  for (const TKurs* k : fKurse) {
    if (k->fLehrer == lehrer) summe += k->fStunden.GetWochenStunde(-1);
  }
  return summe;
}

int32_t TFach::KlassenSumme(const TKlasse* klasse) const {
  int32_t summe = 0;
  for (const TKurs* k : fKurse) {
    if (k->HatKlasse(klasse)) summe += k->fStunden.GetWochenStunde(-1);
  }
  return summe;
}

void TFach::NeuerLehrer(TLehrer* lehrer) {
  if (lehrer) lehrer->NeuesFach(this);
}

void TFach::NeueKlasse(TKlasse* klasse) {
  if (klasse && fKlassen.ListeElemNr(klasse) == 0) fKlassen.ListeEinfuegen(klasse, ReihenVergleich);
}

void TFach::LehrerEntfernen(TLehrer* lehrer) {
  if (fLehrer.ListeElemEnthalten(lehrer)) fLehrer.ListeLoeschen(false);
  if (lehrer->fFaecher.ListeElemEnthalten(this)) lehrer->fFaecher.ListeLoeschen(false);
  Geaendert();
}

void TFach::KlasseEntfernen(TKlasse* klasse) {
  for (const TKurs* k : fKurse) {
    if (k->HatKlasse(klasse)) return;
  }
  if (fKlassen.ListeElemEnthalten(klasse)) fKlassen.ListeLoeschen(false);
}

}  // namespace orbato
