#include "model/elemente/element.h"

#include <algorithm>
#include <vector>

#include "model/dokument/schule.h"
#include "model/elemente/kopplung.h"
#include "model/kurse/kurs.h"
#include "model/schnittstellen/fenster.h"

namespace orbato {
namespace {

// Whether a course counts in a sum made for a list of kind `art`.
bool Zaehlt(const TKurs& k, TKuerzelArt art) {
  switch (art) {
    case leh:
      return k.fLehrer != nullptr && !k.fNichtZaehlenLe;
    case kla:
      return k.fKlassen.ListeZahlElemente() > 0 && !k.fNichtZaehlenKl;
    case fac:
      return !(k.fNichtZaehlenKl && k.fNichtZaehlenLe);
    default:
      return false;
  }
}

}  // namespace

TElement::~TElement() = default;

void TElement::Geaendert() {
  Schule().SetDirty();
}

void TElement::SetKuerzel(std::string_view kuerzel) {
  fKuerzel = kuerzel;
  Geaendert();
}

void TElement::SetInfo(std::string_view info) {
  fInfo = info;
  Geaendert();
}

void TElement::FensterUpdate() {
  if (fGrDatFenster) fGrDatFenster->FensterUpdate();
  if (fDepFenster) fDepFenster->FensterUpdate();
  Geaendert();
}

void TElement::FensterRefresh() {
  if (fGrDatFenster) fGrDatFenster->FensterRefresh();
  if (fDepFenster) fDepFenster->FensterRefresh();
  Geaendert();
}

int32_t TElement::Summe(int32_t woche, bool ohneKopp, TKuerzelArt art, bool mitFaktor) const {
  int64_t summe = 0;
  std::vector<const TKopplung*> gezaehlt;
  for (const TKurs* k : fKurse) {
    if (!Zaehlt(*k, art)) continue;
    const int64_t gewicht = mitFaktor ? k->fFaktor : 1;
    const TKurs* zaehlend = k;
    if (k->fKopplung && !ohneKopp) {
      // A coupling counts once, with its largest course, weighted by the first course met.
      if (std::find(gezaehlt.begin(), gezaehlt.end(), k->fKopplung) != gezaehlt.end()) continue;
      gezaehlt.push_back(k->fKopplung);
      zaehlend = k->fKopplung->GroessterKopplungsKurs(woche, mitFaktor);
    }
    summe += int64_t{zaehlend->fStunden.GetWochenStunde(woche)} * gewicht;
  }
  return static_cast<int32_t>(summe);
}

int32_t TElement::StundenSumme(int32_t woche, bool ohneKopp, TKuerzelArt art) const {
  return Summe(woche, ohneKopp, art, false);
}

int32_t TElement::FaktorSumme(int32_t woche, bool ohneKopp, TKuerzelArt art) const {
  return Summe(woche, ohneKopp, art, true);
}

int32_t TElement::nzSumme(int32_t woche, TKuerzelArt art) const {
  int32_t summe = 0;
  for (const TKurs* k : fKurse) {
    const bool nicht = art == leh ? k->fNichtZaehlenLe : art == kla && k->fNichtZaehlenKl;
    if (nicht) summe += k->fStunden.GetWochenStunde(woche) * k->fFaktor;
  }
  return summe;
}

int32_t TElement::nvpSumme(int32_t woche) const {
  int32_t summe = 0;
  for (const TKurs* k : fKurse) {
    if (k->fNichtVerplanen) summe += k->fStunden.GetWochenStunde(woche) * k->fFaktor;
  }
  return summe;
}

int32_t TElement::IstSumme(int32_t woche) const {
  int32_t summe = 0;
  for (const TKurs* k : fKurse) {
    if (k->fLehrer) summe += k->fStunden.GetWochenStunde(woche) * k->fFaktor;
  }
  return summe;
}

bool TElement::IstVerplant() const {
  return std::any_of(fKurse.begin(), fKurse.end(),
                     [](const TKurs* k) { return k->fSetzungen.ListeZahlElemente() > 0; });
}

TKurs* TElement::FindeKurs(int32_t woche, int32_t tag, int32_t std) const {
  for (TKurs* k : fKurse) {
    if (k->SetzungFinden(woche, tag, std)) return k;
  }
  return nullptr;
}

}  // namespace orbato
