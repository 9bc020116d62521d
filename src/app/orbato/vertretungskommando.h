#pragma once

#include <optional>
#include <string_view>

#include "model/basis/datum.h"

namespace orbato {

struct TLauf;

// A date argument "YYYY-MM-DD" at noon, the form in which the substitution records keep their
// dates; none for a text of another form or a day that does not exist.
std::optional<TDatumZeit> LiesTag(std::string_view text);

// `orbato vertretungen EIN.orb DATUM [--inaktiv]`: the substitution window of DATUM as
// tab-separated lines, the column titles first; records not in force only with --inaktiv. The
// current plan version follows DATUM as the window makes it.
int VertretungenKommando(TLauf& lauf);

}  // namespace orbato
