#include "model/demo/raumvorrat.h"

#include <algorithm>
#include <utility>

#include "model/dokument/schule.h"

namespace orbato {

TRaumVorrat::TRaumVorrat(std::string praefix, std::string info, int32_t ersteNr, TSchulzeit zeit)
    : fPraefix(std::move(praefix)), fInfo(std::move(info)), fNaechsteNr(ersteNr), fZeit(zeit) {}

TRaum* TRaumVorrat::Neu(TSchule& schule) {
  TRaum* r = schule.HoleRaum(fPraefix + std::to_string(fNaechsteNr++));
  r->fInfo = fInfo;
  SperreAusserhalb(*r, fZeit);
  fRaeume.push_back(r);
  return r;
}

int32_t TRaumVorrat::Frei(const TRaum* raum) const {
  const auto it = fGebucht.find(raum);
  return Platz(*raum, fZeit) - (it == fGebucht.end() ? 0 : it->second);
}

TRaum* TRaumVorrat::Waehle(TSchule& schule, int32_t stunden, const std::vector<TRaum*>& belegt) {
  TRaum* beste = nullptr;
  for (TRaum* r : fRaeume) {
    if (std::find(belegt.begin(), belegt.end(), r) != belegt.end() || Frei(r) < stunden) continue;
    if (!beste || Frei(r) > Frei(beste)) beste = r;
  }
  if (!beste) beste = Neu(schule);
  fGebucht[beste] += stunden;
  return beste;
}

}  // namespace orbato
