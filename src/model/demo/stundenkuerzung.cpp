#include "model/demo/stundenkuerzung.h"

#include <algorithm>
#include <numeric>

namespace orbato {
namespace {

struct TSchritt {
  int32_t rang;
  int32_t bisAuf;  // the hours an entry keeps in this step
};

constexpr TSchritt kSchritte[] = {{0, 0}, {1, 1}, {2, 2}, {1, 0}, {2, 1}, {2, 0}};

// The entry of the rank with most hours above the floor, the later on a tie; -1 if none.
int Groesster(const std::vector<TWunsch>& wuensche, const std::vector<int32_t>& stunden,
              const TSchritt& schritt) {
  int beste = -1;
  for (std::size_t i = 0; i < stunden.size(); ++i) {
    if (wuensche[i].rang != schritt.rang || stunden[i] <= schritt.bisAuf) continue;
    if (beste < 0 || stunden[i] >= stunden[static_cast<std::size_t>(beste)]) {
      beste = static_cast<int>(i);
    }
  }
  return beste;
}

}  // namespace

std::vector<int32_t> KuerzeAufPlatz(const std::vector<TWunsch>& wuensche, int32_t platz) {
  std::vector<int32_t> stunden;
  for (const TWunsch& w : wuensche) stunden.push_back(w.stunden);
  int32_t summe = std::accumulate(stunden.begin(), stunden.end(), 0);
  for (const TSchritt& schritt : kSchritte) {
    while (summe > platz) {
      const int i = Groesster(wuensche, stunden, schritt);
      if (i < 0) break;
      --stunden[static_cast<std::size_t>(i)];
      --summe;
    }
  }
  return stunden;
}

std::vector<bool> WaehleGanze(const std::vector<TWunsch>& wuensche, int32_t platz) {
  std::vector<std::size_t> folge(wuensche.size());
  std::iota(folge.begin(), folge.end(), std::size_t{0});
  std::stable_sort(folge.begin(), folge.end(), [&](std::size_t a, std::size_t b) {
    return wuensche[a].rang > wuensche[b].rang;
  });
  std::vector<bool> gewaehlt(wuensche.size(), false);
  for (const std::size_t i : folge) {
    if (wuensche[i].stunden > platz) continue;
    gewaehlt[i] = true;
    platz -= wuensche[i].stunden;
  }
  return gewaehlt;
}

}  // namespace orbato
