#pragma once

#include <cstdint>
#include <iosfwd>

namespace orbato {

class TSchule;
class TStandard;

// The JSON object `orbato info` prints for a loaded document: `formatversion` is the version
// number read from the file; the plan versions and the current one come from the settings.
//
// Layout: two blanks of indentation per level, one member per line in every object and one
// element per line in arrays of objects or arrays; arrays of numbers, names and nulls stand on
// one line (`[1, 1, 2]`, `["D", "E"]`), empty arrays as `[]`. A newline ends the text.
void SchreibePlanInfo(std::ostream& aus, const TSchule& schule, int32_t formatVersion,
                      const TStandard& standard);

}  // namespace orbato
