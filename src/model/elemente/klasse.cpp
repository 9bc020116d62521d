#include "model/elemente/klasse.h"

#include "model/einstellungen/standard.h"
#include "model/elemente/raum.h"
#include "model/kurse/kurs.h"

namespace orbato {

TKlasse::TKlasse() {
  const int32_t vorgabe = Standard().fKlSoll;
  for (int32_t w = 1; w <= fSoll.ZahlWochen(); ++w) fSoll.SetWochenStunde(w, vorgabe);
}

void TKlasse::SetLehrer1(TLehrer* l) {
  fLehrer1 = l;
  Geaendert();
}
void TKlasse::SetLehrer2(TLehrer* l) {
  fLehrer2 = l;
  Geaendert();
}
void TKlasse::SetRaum(TRaum* raum) {
  fRaum = raum;
  Geaendert();
}
void TKlasse::SetKopDop(bool b) {
  fKopDop = b;
  Geaendert();
}

void TKlasse::NeuerRaum(TRaum* raum) {
  TKurs::RaumWechsel(fKurse, fRaum, raum);
  SetRaum(raum);
}

TKurs* TKlasse::NeuerKurs() {
  auto* kurs = new TKurs;
  kurs->IKurs(nullptr, this, Standard().fKursStd, fRaum, nullptr, nullptr);
  return kurs;
}

int32_t TKlasse::HohlStunden(int32_t woche, int32_t& maxim, std::array<int32_t, 8>& maximum) const {
  const TStandard& s = Standard();
  int32_t luecken = 0;
  maxim = 0;
  maximum.fill(0);
  for (int32_t tag = 1; tag <= s.fMaxTageNeu; ++tag) {
    int32_t letzte = 0;
    for (int32_t std = kMaxStunden; std >= 1 && letzte == 0; --std) {
      if (fBesetzung.GetWocheTagStd(woche, tag, std)) {
        const TKurs* k = FindeKurs(woche, tag, std);
        if (!(k && k->IstFixiert(woche, tag, std))) letzte = std;
      }
    }
    maximum[tag] = letzte;
    if (letzte > maxim) maxim = letzte;
    for (int32_t std = 1; std < letzte; ++std) {
      if (!fBesetzung.GetWocheTagStd(woche, tag, std) &&
          !fSperrung.GetWocheTagStd(woche, tag, std)) {
        ++luecken;
      }
    }
  }
  return luecken;
}

}  // namespace orbato
