#include "model/elemente/lehrer.h"

#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/elemente/fach.h"
#include "model/elemente/klasse.h"
#include "model/elemente/raum.h"
#include "model/kurse/kurs.h"
#include "model/schnittstellen/dialoge.h"

namespace orbato {

TLehrer::~TLehrer() = default;

void TLehrer::SetRaum(TRaum* raum) {
  fRaum = raum;
  Geaendert();
}
void TLehrer::SetVStunden1(int32_t n) {
  fVStunden1 = n;
  Geaendert();
}
void TLehrer::SetVStunden2(int32_t n) {
  fVStunden2 = n;
  Geaendert();
}
void TLehrer::SetfreierTag(bool b) {
  fFreierTag = b;
  Geaendert();
}

void TLehrer::NeuesFach(TFach* fach) {
  if (fach == nullptr) return;
  if (fFaecher.ListeElemNr(fach) == 0) fFaecher.ListeEinfuegen(fach, ReihenVergleich);
  if (fach->fLehrer.ListeElemNr(this) == 0) fach->fLehrer.ListeEinfuegen(this, ReihenVergleich);
  Geaendert();
}

bool TLehrer::FachEntfernen(TFach* fach) {
  int32_t stunden = 0;
  for (const TKurs* k : fKurse) {
    if (k->fFach == fach) stunden += k->fStunden.GetWochenStunde(0);
  }
  if (stunden != 0) {
    Schule().Dialog().Nachricht("Fehler",
                                {"Erst m\xFCssen die zugeh\xF6rigen Kurse gel\xF6scht werden!"},
                                TMeldungsArt::Fehler);
    return false;
  }
  if (fFaecher.ListeElemEnthalten(fach)) fFaecher.ListeLoeschen(false);
  if (fach->fLehrer.ListeElemEnthalten(this)) fach->fLehrer.ListeLoeschen(false);
  Geaendert();
  return true;
}

void TLehrer::NeuerRaum(TRaum* raum) {
  TKurs::RaumWechsel(fKurse, fRaum, raum);
  SetRaum(raum);
}

bool TLehrer::HatUnterrichtInKlasse(const TElement* klasse) const {
  for (const TKurs* k : fKurse) {
    if (k->fKlassen.ListeZahlElemente() == 1 && k->ErsteKlasse() == klasse) return true;
  }
  return false;
}

bool TLehrer::HatUnterrichtAmRand(const TElement* klasse) const {
  for (const TKurs* k : fKurse) {
    if (k->fKopplung || k->fKlassen.ListeZahlElemente() != 1) continue;
    const TKlasse* einzige = k->ErsteKlasse();
    if (static_cast<const TElement*>(einzige) != klasse) continue;
    for (const TSetzung* s : k->fSetzungen) {
      if (s->AmRand(*einzige)) return true;
    }
  }
  return false;
}

TKurs* TLehrer::NeuerKurs() {
  auto* kurs = new TKurs;
  kurs->IKurs(this, nullptr, Standard().fKursStd, fRaum, nullptr, nullptr);
  return kurs;
}

bool TLehrer::HatKursNichtAngerechnet() const {
  for (const TKurs* k : fKurse) {
    if (k->fNichtZaehlenLe) return true;
  }
  return false;
}

}  // namespace orbato
