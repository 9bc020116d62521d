#pragma once

namespace orbato {

class TKurs;

// How constrained a course is, for the order in which the scheduler takes its courses.

// Computes the course's grid of impossible cells `fSetzungUnmoeglich`; nothing while it has a
// rating (`fBewertung` not 0). Days after fMaxTageNeu and periods after fPlnStd are impossible,
// so that no hour goes where no plan window shows it; then the course's, its teacher's and its
// classes' blockings and occupancies, and the cells where its rooms (for a coupling: distinct
// rooms for every course of it) cannot be had. With `mitKopplung` the impossible cells of every
// coupled course with open hours are joined and given to each course of the coupling.
void BewerteAutomatik(TKurs& kurs, bool mitKopplung);

// The rating from the impossible cells: weekly hours + impossible cells + 3 x hours per day +
// placed hours; for a coupled course 100 times that plus, per course of the coupling, its
// classes + 1. Nothing while the course has a rating.
void TrageBewertungEin(TKurs& kurs);

}  // namespace orbato
