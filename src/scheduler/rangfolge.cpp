#include "scheduler/rangfolge.h"

#include <algorithm>
#include <cstdlib>

namespace orbato {

TRangfolge::TRangfolge(const TStandard& standard) {
  for (std::size_t t = 0; t < kAutoTabellen; ++t) {
    std::vector<std::pair<int32_t, TRangZelle>> rang;
    for (int32_t std = 1; std <= kMaxStunden; ++std) {
      for (int32_t tag = 1; tag <= kMaxTage; ++tag) {
        const int32_t wert = standard.fAuTab[t][std - 1][tag - 1];
        fVerbunden[t][std - 1][tag - 1] = wert < 0;
        rang.push_back({std::abs(wert), TRangZelle{tag, std}});
      }
    }
    // A table whose ranks are no permutation still gives every cell once: equal ranks keep the
    // order of the cell numbers (period by period, day by day).
    std::stable_sort(rang.begin(), rang.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [wert, zelle] : rang) fZellen[t].push_back(zelle);
  }
}

}  // namespace orbato
