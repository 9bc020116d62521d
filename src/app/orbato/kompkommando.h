#pragma once

namespace orbato {

struct TLauf;

// `orbato komprimieren EIN.orb AUS.orb [--bruecken] [--mehrfach]`: the compression over every
// class, as "Start" in the compression window runs it, with the options allowing bridges and
// broken blocks for this run; saves the result and prints the school's gap count before and after.
int PlanKomprimieren(TLauf& lauf);

}  // namespace orbato
