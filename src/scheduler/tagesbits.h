#pragma once

#include <bit>
#include <cstdint>

namespace orbato {

// The rules the quality figures and "Optimieren" share about one day of an element, given as
// bits: bit p - 1 for period p.

// The free, unblocked periods between the first and the last held period of the day.
inline int32_t TagesLuecken(uint32_t belegt, uint32_t gesperrt) {
  if (std::popcount(belegt) < 2) return 0;
  const int erste = std::countr_zero(belegt);
  const int letzte = 31 - std::countl_zero(belegt);
  const uint32_t dazwischen = ((1u << letzte) - 1u) & ~((1u << erste) - 1u);
  return std::popcount(dazwischen & ~belegt & ~gesperrt);
}

// The free, unblocked periods of `sichtbar` before the day's first held period; none on a day
// without any.
inline int32_t VorDemBeginn(uint32_t belegt, uint32_t gesperrt, uint32_t sichtbar) {
  if (belegt == 0) return 0;
  const uint32_t davor = (1u << std::countr_zero(belegt)) - 1u;
  return std::popcount(davor & ~gesperrt & sichtbar);
}

// Whether the held periods form more than one run: a subject twice on the day.
inline bool MehrereLaeufe(uint32_t bits) {
  return std::popcount(bits & ~(bits << 1)) > 1;
}

}  // namespace orbato
