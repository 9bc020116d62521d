#pragma once

#include <cstdint>

namespace orbato {

class TStandard;

// The plan versions an operation runs over, von..bis inclusive.
struct TWochenSpanne {
  int32_t von = 1;
  int32_t bis = 1;
};

// The span of conflict lists and moves: the current version in single-version mode, else every
// version 1..fMaxWocheNeu.
TWochenSpanne Wochenspanne(const TStandard& standard);
TWochenSpanne Wochenspanne();
// A version argument resolved: n >= 1 that version, 0 every version, -1 the span above.
TWochenSpanne Wochen(int32_t woche);

}  // namespace orbato
