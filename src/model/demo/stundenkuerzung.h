#pragma once

#include <cstdint>
#include <vector>

namespace orbato {

// One entry of a class's weekly timetable as the curriculum wants it. The rank says what a short
// week gives up first: 0 extras, 1 the smaller subjects, 2 the main ones.
struct TWunsch {
  int32_t stunden;
  int32_t rang;
};

// The hours of each entry once the sum fits into `platz`. Hours go first from everything of rank
// 0, then from rank 1 down to one hour each, from rank 2 down to two, and then from ranks 1 and
// 2 down to none; within a step always from the entry with most hours, the later on a tie.
std::vector<int32_t> KuerzeAufPlatz(const std::vector<TWunsch>& wuensche, int32_t platz);

// The entries taken whole, the higher ranks first and within a rank in order, each as long as
// it still fits into `platz`.
std::vector<bool> WaehleGanze(const std::vector<TWunsch>& wuensche, int32_t platz);

}  // namespace orbato
