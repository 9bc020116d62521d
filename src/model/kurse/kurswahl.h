#pragma once

#include <vector>

#include "model/elemente/kuerzelart.h"
#include "model/schnittstellen/menue.h"

namespace orbato {

class TElement;
class TKlasse;
class TKurs;

// The element rules of a course that the course window and the teaching-load windows share:
// what the "Kürzel" button offers, what may be removed, and when. Teacher, classes and coupling
// decide where a lesson may lie, so they change only while nothing of the course is placed;
// subject and rooms may change at any time.

// Whether any lesson of the course is placed, in any version.
bool KursVerplant(const TKurs& kurs);

// The candidates of the "Kürzel" button for leh, kla, kop, fac and rau (empty for other kinds):
// the subject's teachers or classes with their load captions while the course has a subject,
// the teacher's subjects while it has a teacher, otherwise every element of the kind. Choosing an
// entry applies it only when the rule of the kind allows it: a teacher or coupling other than the
// current one and a class not yet in the course only while nothing is placed; another subject, or
// a room not yet in the list (appended at its end), at any time.
TMenu KursWahlMenu(TKurs& kurs, TKuerzelArt art);

// The choice of one element of the kind, as an entry of KursWahlMenu makes it and by the same
// rule; for a short name typed instead of chosen. True when the course changed.
bool KursElementWaehlen(TKurs& kurs, TKuerzelArt art, TElement* element);
// Whether the course names the element already: as its teacher, subject or coupling, or among its
// classes or rooms.
bool KursNennt(const TKurs& kurs, TKuerzelArt art, const TElement* element);

// Whether the delete tool may take the element off the course now: teacher, class and coupling
// only while nothing is placed, the subject always, a room only when no lesson of the course is
// held in it. False for an element the course does not name.
bool KursElementEntfernbar(const TKurs& kurs, TKuerzelArt art, const TElement* element);
// Removes it when that holds; true when the element was removed.
bool KursElementEntfernen(TKurs& kurs, TKuerzelArt art, TElement* element);

// The multiple choice of classes: every chosen class not yet in the course is added, provided
// nothing is placed. True when a class was added.
bool KlassenErgaenzen(TKurs& kurs, const std::vector<TKlasse*>& klassen);

}  // namespace orbato
