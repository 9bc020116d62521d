#include "model/fach.h"

#include "model/klasse.h"
#include "model/kurs.h"
#include "model/lehrer.h"

namespace orbato {

TFach::~TFach() = default;

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
