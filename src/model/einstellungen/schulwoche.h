#pragma once

#include <cstdint>

namespace orbato {

class TStandard;

// A school's week as a new installation asks for it: the days shown (5 or 6, Monday to Friday or
// Saturday) and the periods a day. The plan and overview printouts cover exactly that week and
// start without a remark line, so that a first printout shows the school's days and periods
// rather than the defaults' seven days and nine periods with the word "Bemerkung" over it.
void SchulwocheEinrichten(TStandard& standard, int32_t tage, int32_t stunden);

}  // namespace orbato
