#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <vector>

#include "scheduler/optimierung.h"

namespace orbato {

class TKurs;

// What "Optimieren" shows while it runs and when it ends, in the scheduler window and in the
// progress window and message box of the menu entry.

// The figures of the best plan so far: "Hohlstunden der Klassen: N", "Springstunden der Lehrer:
// N", "meiste Springstunden eines Lehrers: N".
QStringList OptimierZwischenstand(const TOptimierZahlen& zahlen);
// The line at the end: "Optimiert: Hohlstunden der Klassen 78 → 0, Springstunden der Lehrer 152
// → 3", or "Keine Verbesserung gefunden." when the plan stayed as it was.
QString OptimierErgebnis(bool geaendert, const TOptimierZahlen& vorher,
                         const TOptimierZahlen& nachher);
// The message box at the end of the menu entry: every figure before and after, one a line.
QStringList OptimierBericht(bool geaendert, const TOptimierZahlen& vorher,
                            const TOptimierZahlen& nachher);

// The progress bars of a run go from 0 to this.
inline constexpr int kOptimierBalken = 1000;
// How far the run has come, 0 … kOptimierBalken: it ends at its last step or when its time is
// up, whichever comes first, so the bar follows the one further on.
int OptimierBalken(const TOptimierFortschritt& stand, double sekunden, double verstrichen);

// Whether any of the courses has a lesson in the version; a plan without lessons has nothing to
// optimise.
bool HatVerplanteStunden(const std::vector<TKurs*>& kurse, int32_t woche);

// Runs the search; the windows call it through a member that tests may replace, so that they can
// drive a window through a run whose steps they control.
using TOptimierLauf = std::function<bool(TOptimierung&)>;
bool OptimierungRechnen(TOptimierung& optimierung);

}  // namespace orbato
