#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orbato {

class TSchule;

// The exchange of two periods for the whole school: every hour of slot A goes to slot B and every
// hour of B to A, for every course at once, in each version of the current selection (the current
// version in single-version mode, else every version). The document is the one installed as the
// program's, on which the placement operations work. The three building blocks name slot A as
// (day, period) and slot B as (period, day).

// Some hour of either slot is fixed, or would be blocked at the other slot: the course itself,
// its teacher, one of its classes or the room it is held in.
bool TauschBehinderung(const TSchule& schule, int32_t tagA, int32_t stdA, int32_t stdB,
                       int32_t tagB);
// The rows of "Tauschkonflikte", one per obstacle, course by course in the school's order and for
// each course version by version: "gesperrt " with the course's version line at the slot the hour
// would go to, "fixiert " with its line at the slot where it lies.
std::vector<std::string> TauschKonflikte(const TSchule& schule, int32_t tagA, int32_t stdA,
                                         int32_t stdB, int32_t tagB);
// Exchanges the hours, each keeping its room and losing its fixing. What blocks a moved hour at
// its new slot is lifted for its teacher, its classes and its room; the course's own blocking
// stays. A course not to be planned, or holding more hours than lessons, keeps its hours too:
// they move with the others instead of getting lost.
void TauscheAlleStunden(TSchule& schule, int32_t tagA, int32_t stdA, int32_t stdB, int32_t tagB);

// A slot as the swap dialog names it: the day's abbreviation and a blank (at most 12 characters),
// then the period label of the current version, at most 27 characters in all.
std::string TauschZeit(int32_t tag, int32_t std);

// The user's swap of two slots, both given as (day, period): asks "Stundentausch", lists the
// obstacles in "Tauschkonflikte" and asks again when there are any, then exchanges, as one step of
// the document's history. True when the slots were exchanged; the same slot twice does nothing.
bool StundenTausch(TSchule& schule, int32_t tagA, int32_t stdA, int32_t tagB, int32_t stdB);

}  // namespace orbato
