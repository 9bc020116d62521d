#pragma once

#include <cstdint>
#include <string>

namespace orbato {

class TKurs;

// Why a course's open hours found no cell in the version, in words a planner can act on: how
// many cells of the shown week are still free for it, and which teacher, class or room takes
// the others by blocking or by other lessons, the ones taking most first:
// "3 Stunden offen, nur 1 Zelle frei: Lehrer MÜL gesperrt Mo–Mi, Klasse 7b belegt".
// A coupled course counts the cells free for its whole coupling. Windows-1252.
std::string GrundOffen(const TKurs& kurs, int32_t woche);
// The same for the first version of the span (Wochenspanne) in which the course still has open
// hours; empty when it has none there.
std::string GrundOffen(const TKurs& kurs);

}  // namespace orbato
