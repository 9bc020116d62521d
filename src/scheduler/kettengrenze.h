#pragma once

#include <array>
#include <bitset>
#include <cstdint>

#include "model/basis/grenzen.h"

namespace orbato {

class TKlasse;
class TKurs;
class TSetzung;

// Whether compression may move that hour at all, wherever to: it is neither fixed nor coupled,
// and its course takes it back when it is placed anew (a course not to be planned, or one with
// more hours placed than it has, would not, and the hour would be lost).
bool KompVerschiebbar(const TKurs& kurs, const TSetzung& setzung, int32_t woche);

// How many moves a compression chain needs at least to carry a free period of a class from a
// cell to the end of a day. The search of a chain tries every hour that fits at every step, up to
// seven moves deep, which grows with the power of seven; a subtree whose gap needs more moves
// than remain cannot succeed, and leaving it out changes nothing but the time taken.
//
// The bound holds in every state a chain can reach. While a cell is the gap, the class is free
// there, so no course of the class occupies its teacher, its other classes or its room in that
// cell: whether an hour fits the gap depends only on the blockings and on courses without the
// class, which no chain moves. A gap moves to the cell of the hour that filled it; that hour was
// there from the start or had filled that cell before. Until the chain ends, no hour has left a
// day's last cell, since leaving it ends the chain; so the last move is made by the hour that was
// there from the start. The bridge and block rules are left out, so the bound may be too low,
// never too high.
class TKettenGrenze {
 public:
  static constexpr int32_t kUnerreichbar = 99;

  // For the class in one version, with the last period of each day (0 for none) that a move out
  // of ends the chain.
  void Berechnen(const TKlasse& klasse, int32_t woche, const std::array<int32_t, 8>& maximum);
  // The fewest moves from a gap in the cell; kUnerreichbar when no chain can close it.
  int32_t Mindestens(int32_t tag, int32_t std) const {
    return tag >= 1 && tag <= kMaxTage && std >= 1 && std <= kMaxStunden ? fZuege[Zelle(tag, std)]
                                                                         : kUnerreichbar;
  }

  static constexpr int32_t kZellen = 7 * 16;
  using TZellen = std::bitset<kZellen>;
  static constexpr int32_t Zelle(int32_t tag, int32_t std) { return (tag - 1) * 16 + (std - 1); }

 private:
  std::array<int32_t, kZellen> fZuege{};
};

}  // namespace orbato
