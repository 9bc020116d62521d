#pragma once

#include "model/schnittstellen/menue.h"

namespace orbato {

class TKurs;

// The pop-up menus of a course in the course window. Each entry's command changes the course by
// the course data rules.
TMenu StundenMenu(TKurs& kurs);    // lessons 0..20, times the versions when all are shown
TMenu FaktorMenu(TKurs& kurs);     // factor 0..10, shown as the resulting workload
TMenu StdProTagMenu(TKurs& kurs);  // "Std/Tag" 1..lessons
TMenu EinzelStdMenu(TKurs& kurs);  // "Einzelne" 0..days per week, at most the lessons
TMenu TabellenMenu(TKurs& kurs);   // "Tabelle" 1..4

}  // namespace orbato
