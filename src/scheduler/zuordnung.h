#pragma once

#include <cstddef>
#include <vector>

namespace orbato {

// Distinct partners for several takers, each from its own candidates (partner numbers
// 0..partner-1), by augmenting paths (Kuhn's method): the rooms of courses held at the same time.
// Keeps its buffers from one search to the next, since it runs for every cell tried.
class TZuordnung {
 public:
  // Whether every taker can have a partner of its own; partners marked in `vergeben` (if given)
  // are taken already. Afterwards Partner(i) is taker i's partner.
  bool Finde(const std::vector<std::vector<int>>& kandidaten, std::size_t partner,
             const std::vector<char>* vergeben = nullptr);
  int Partner(std::size_t nehmer) const { return fPartner[nehmer]; }

 private:
  bool Erweitere(std::size_t nehmer);

  const std::vector<std::vector<int>>* fKandidaten = nullptr;
  const std::vector<char>* fVergeben = nullptr;
  std::vector<int> fInhaber;  // partner -> taker, -1 free
  std::vector<int> fPartner;  // taker -> partner
  std::vector<char> fBesucht;
};

}  // namespace orbato
