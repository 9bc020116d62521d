#pragma once

namespace orbato {

struct TLauf;

// `orbato pruefen EIN.orb [--test NAME]… [--aus AUS.orb]`: the plan checks in menu order, the
// lines of the error window, then one result line per check.
int PlanPruefen(TLauf& lauf);

}  // namespace orbato
