#include "scheduler/zuordnung.h"

namespace orbato {

bool TZuordnung::Finde(const std::vector<std::vector<int>>& kandidaten, std::size_t partner,
                       const std::vector<char>* vergeben) {
  fKandidaten = &kandidaten;
  fVergeben = vergeben;
  fInhaber.assign(partner, -1);
  fPartner.assign(kandidaten.size(), -1);
  for (std::size_t i = 0; i < kandidaten.size(); ++i) {
    fBesucht.assign(partner, 0);
    if (!Erweitere(i)) return false;
  }
  for (std::size_t p = 0; p < partner; ++p) {
    if (fInhaber[p] >= 0) fPartner[static_cast<std::size_t>(fInhaber[p])] = static_cast<int>(p);
  }
  return true;
}

bool TZuordnung::Erweitere(std::size_t nehmer) {
  for (int p : (*fKandidaten)[nehmer]) {
    const auto pi = static_cast<std::size_t>(p);
    if (fBesucht[pi] || (fVergeben && (*fVergeben)[pi])) continue;
    fBesucht[pi] = 1;
    if (fInhaber[pi] < 0 || Erweitere(static_cast<std::size_t>(fInhaber[pi]))) {
      fInhaber[pi] = static_cast<int>(nehmer);
      return true;
    }
  }
  return false;
}

}  // namespace orbato
