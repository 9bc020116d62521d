#pragma once

#include <array>
#include <cstdint>

#include "model/basis/grenzen.h"

namespace orbato {

// One integer per plan version: a weekly hour count or target that may differ between versions.
// Entries may be negative for a while (a course's hours during a move). Version arguments follow
// the system's convention: n >= 1 that version, 0 all versions, -1 the current selection.
class TWochenStunden {
 public:
  // fMaxWocheNeu entries of 0.
  TWochenStunden();

  // Shrinking discards the entries at the end; growing appends entries of 0.
  void SetWochenZahl(int32_t wochen);
  int32_t ZahlWochen() const { return fZahl; }

  // The entry of one version; version 0 gives the sum over versions 1..fMaxWocheNeu. A version
  // not in use counts as 0.
  int32_t GetWochenStunde(int32_t woche) const;
  // Stores into one version, or into every version for 0.
  void SetWochenStunde(int32_t woche, int32_t wert);
  // Whether every version holds the same entry as version 1.
  bool StundenGleich() const;

 private:
  int32_t AktiveWochen() const;

  std::array<int32_t, kMaxWochen> fWerte{};
  int32_t fZahl = 0;
};

}  // namespace orbato
