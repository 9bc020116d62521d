#pragma once

#include <cstdint>
#include <string>

namespace orbato {

// An hour value in time units (1/fDivisor hour) as the windows and lists show it: value / fDivisor
// with fNachKomma decimals and a point, right-aligned with blanks in a field of
// fVorKomma + fNachKomma + 1 characters (longer numbers are not cut). Halves round away from zero.
std::string StundenWert(int32_t zeiteinheiten);

}  // namespace orbato
