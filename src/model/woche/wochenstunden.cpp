#include "model/woche/wochenstunden.h"

#include <algorithm>
#include <limits>

#include "model/einstellungen/standard.h"

namespace orbato {

TWochenStunden::TWochenStunden() {
  SetWochenZahl(Standard().WochenZahl());
}

void TWochenStunden::SetWochenZahl(int32_t wochen) {
  const int32_t neu = std::clamp(wochen, 0, kMaxWochen);
  // Dropped entries are zeroed right away so that growing again yields entries of 0.
  for (int32_t w = neu; w < fZahl; ++w) fWerte[static_cast<std::size_t>(w)] = 0;
  fZahl = neu;
}

int32_t TWochenStunden::GetWochenStunde(int32_t woche) const {
  const int32_t w = Standard().AufgeloesteWoche(woche);
  if (w != 0) return w >= 1 && w <= fZahl ? fWerte[static_cast<std::size_t>(w - 1)] : 0;
  // Summed wide: 54 large transient entries must not overflow on the way.
  int64_t summe = 0;
  const int32_t bis = AktiveWochen();
  for (int32_t v = 0; v < bis; ++v) summe += fWerte[static_cast<std::size_t>(v)];
  return static_cast<int32_t>(std::clamp<int64_t>(summe, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

void TWochenStunden::SetWochenStunde(int32_t woche, int32_t wert) {
  const int32_t w = Standard().AufgeloesteWoche(woche);
  if (w != 0) {
    if (w >= 1 && w <= fZahl) fWerte[static_cast<std::size_t>(w - 1)] = wert;
    return;
  }
  const int32_t bis = AktiveWochen();
  for (int32_t v = 0; v < bis; ++v) fWerte[static_cast<std::size_t>(v)] = wert;
}

bool TWochenStunden::StundenGleich() const {
  if (Standard().fMaxWocheNeu < 2) return true;
  const int32_t bis = AktiveWochen();
  for (int32_t v = 1; v < bis; ++v) {
    if (fWerte[static_cast<std::size_t>(v)] != fWerte[0]) return false;
  }
  return true;
}

int32_t TWochenStunden::AktiveWochen() const {
  return std::min(Standard().WochenZahl(), fZahl);
}

}  // namespace orbato
