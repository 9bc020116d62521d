#include "model/demo/stundenkuerzung.h"

#include <gtest/gtest.h>

namespace orbato {
namespace {

using Stunden = std::vector<int32_t>;

TEST(Stundenkuerzung, KeepsWhatFits) {
  EXPECT_EQ(KuerzeAufPlatz({{4, 2}, {2, 1}, {1, 0}}, 7), (Stunden{4, 2, 1}));
  EXPECT_EQ(KuerzeAufPlatz({{4, 2}, {2, 1}, {1, 0}}, 30), (Stunden{4, 2, 1}));
  EXPECT_EQ(KuerzeAufPlatz({}, 0), Stunden{});
}

// Extras go whole, then the smaller subjects down to one hour, the largest and later first,
// then the main subjects down to two.
TEST(Stundenkuerzung, CutsTheExtrasFirstThenTheLargestOfALowRank) {
  const std::vector<TWunsch> tafel = {{4, 2}, {4, 2}, {1, 0}, {2, 1}, {3, 1}, {2, 1}, {1, 0}};
  EXPECT_EQ(KuerzeAufPlatz(tafel, 16), (Stunden{4, 4, 1, 2, 3, 2, 0}));
  EXPECT_EQ(KuerzeAufPlatz(tafel, 15), (Stunden{4, 4, 0, 2, 3, 2, 0}));
  EXPECT_EQ(KuerzeAufPlatz(tafel, 14), (Stunden{4, 4, 0, 2, 2, 2, 0}));
  EXPECT_EQ(KuerzeAufPlatz(tafel, 13), (Stunden{4, 4, 0, 2, 2, 1, 0}));
  EXPECT_EQ(KuerzeAufPlatz(tafel, 12), (Stunden{4, 4, 0, 2, 1, 1, 0}));
  EXPECT_EQ(KuerzeAufPlatz(tafel, 11), (Stunden{4, 4, 0, 1, 1, 1, 0}));
  EXPECT_EQ(KuerzeAufPlatz(tafel, 10), (Stunden{4, 3, 0, 1, 1, 1, 0}));
  EXPECT_EQ(KuerzeAufPlatz(tafel, 7), (Stunden{2, 2, 0, 1, 1, 1, 0}));
}

// Below that the smaller subjects go, then the main ones down to one hour and to none.
TEST(Stundenkuerzung, GivesUpEverythingWhenThereIsNoSpace) {
  const std::vector<TWunsch> tafel = {{4, 2}, {4, 2}, {2, 1}, {3, 1}};
  EXPECT_EQ(KuerzeAufPlatz(tafel, 6), (Stunden{2, 2, 1, 1}));
  EXPECT_EQ(KuerzeAufPlatz(tafel, 5), (Stunden{2, 2, 1, 0}));
  EXPECT_EQ(KuerzeAufPlatz(tafel, 3), (Stunden{2, 1, 0, 0}));
  EXPECT_EQ(KuerzeAufPlatz(tafel, 1), (Stunden{1, 0, 0, 0}));
  EXPECT_EQ(KuerzeAufPlatz(tafel, 0), (Stunden{0, 0, 0, 0}));
  EXPECT_EQ(KuerzeAufPlatz(tafel, -2), (Stunden{0, 0, 0, 0}));
}

// Whole entries by rank, the earlier first within a rank; what no longer fits is skipped and a
// smaller one after it may still come in.
TEST(Stundenkuerzung, TakesWholeEntriesByRank) {
  const std::vector<TWunsch> schienen = {{5, 3}, {3, 2}, {3, 2}, {5, 3}, {5, 1}, {2, 0}};
  EXPECT_EQ(WaehleGanze(schienen, 15), (std::vector<bool>{true, true, false, true, false, true}));
  EXPECT_EQ(WaehleGanze(schienen, 100), std::vector<bool>(6, true));
  EXPECT_EQ(WaehleGanze(schienen, 4), (std::vector<bool>{false, true, false, false, false, false}));
  EXPECT_EQ(WaehleGanze(schienen, 1), std::vector<bool>(6, false));
}

}  // namespace
}  // namespace orbato
