#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "model/einstellungen/standard.h"

namespace orbato {

// One cell of the week as a rating table orders it.
struct TRangZelle {
  int32_t fTag = 1;
  int32_t fStd = 1;
};

// The four rating tables turned round: for each table the cells in rank order (rank 1 first), and
// whether a cell is linked with the next period of its day (its entry is negative), so that a
// block may run on across it. Built from the settings at the start of every run.
class TRangfolge {
 public:
  explicit TRangfolge(const TStandard& standard);
  // The cells of table `nr` (1..4; anything else counts as 1) in rank order, 112 of them.
  const std::vector<TRangZelle>& Zellen(int32_t nr) const { return fZellen[Index(nr)]; }
  bool MitNaechsterVerbunden(int32_t nr, int32_t tag, int32_t std) const {
    return fVerbunden[Index(nr)][std - 1][tag - 1];
  }

 private:
  static std::size_t Index(int32_t nr) {
    return nr >= 1 && nr <= kAutoTabellen ? static_cast<std::size_t>(nr - 1) : 0;
  }

  std::array<std::vector<TRangZelle>, kAutoTabellen> fZellen;
  std::array<std::array<std::array<bool, kMaxTage>, kMaxStunden>, kAutoTabellen> fVerbunden{};
};

}  // namespace orbato
