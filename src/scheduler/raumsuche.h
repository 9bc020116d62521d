#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace orbato {

class TKurs;
class TRaum;

// Pairwise different rooms for courses held at the same time, each room taken from that course's
// own list and free in the cell; a course without rooms takes none (nullptr in its place). The
// search is depth-first over the courses in the given order, trying each course's rooms in list
// order and stepping back on a dead end, so the first assignment in that order is the answer.
// None when no assignment exists.
std::optional<std::vector<TRaum*>> VerschiedeneRaeume(const std::vector<TKurs*>& kurse,
                                                      int32_t woche, int32_t tag, int32_t std);

}  // namespace orbato
