#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/elemente/kuerzelart.h"

namespace orbato {

class Dialoge;
class TSchule;

// The plan grids of the current plan version in the file code: per teacher (`leh`), class (`kla`)
// or room (any other kind), in list order, a title line, the rows 0..fPlnStd of the columns
// 0..fMaxTageNeu with day abbreviations on top and period labels on the left, and an empty line.
// A teacher's cell names the class of the lesson held there, a class's cell the teacher, a
// room's cell is "*" when the room is taken. A TAB follows every cell but one of column 7.
void PlanExportToFile(const TSchule& schule, Dialoge& dialoge, const std::string& pfad,
                      TKuerzelArt art);
std::vector<uint8_t> PlanExportBytes(const TSchule& schule, TKuerzelArt art);

}  // namespace orbato
