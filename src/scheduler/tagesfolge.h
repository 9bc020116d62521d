#pragma once

#include <cstddef>
#include <utility>
#include <vector>

namespace orbato {

class TNachbesserModell;
class TOptimierKosten;

// A step "Optimieren" cannot take lesson by lesson in a full school: the periods of one day put
// in another order for the whole school. Every lesson of a period goes to the same new period,
// so no teacher, class or room meets another there; what changes is each one's day, and with it
// the gaps. A period with a fixed lesson stays where it is, a period goes only where none of its
// lessons is blocked, and every course keeps its hours of the day in one block joined across the
// links of its rating table.
//
// Answers the moves (event, cell) of the best order of the day (from 0) by the day's share of
// the cost; none when no order is better than the one there is.
std::vector<std::pair<int, int>> BesteTagesFolge(const TNachbesserModell& modell,
                                                 const TOptimierKosten& kosten, std::size_t tag);

}  // namespace orbato
