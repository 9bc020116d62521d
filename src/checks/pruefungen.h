#pragma once

namespace orbato {

class Dialoge;
class Fehlerausgabe;
class TSchule;

// The seven checks of the menu "Prüfen", in its order. Each writes its findings to the error
// window, one line each, and answers its level: 0 nothing found, 1 minor findings, 2 major ones.
// They run over the whole document as it stands; notice and result box are Pruefen's.

// "Konsistenz": rebuilds the occupancy and blocking grids of courses, teachers, classes and rooms
// from the placements, restores missing back-references and raises lessons to the placed count;
// every repair makes the level at least 1, some of them beep through `dialoge`. Double bookings
// of teachers, classes and rooms and teachers twice in a coupling are level 2. The only check
// that changes data; the document is marked changed when something was repaired.
int KonsistenzTest(TSchule& schule, Dialoge& dialoge, Fehlerausgabe& fehler);

// "Brücken": a course whose lessons on a day do not form one unbroken run.
int BrueckenTest(const TSchule& schule, Fehlerausgabe& fehler);
// "fehlende Räume": lessons without a room of courses that have rooms.
int FehlRaumTest(const TSchule& schule, Fehlerausgabe& fehler);
// "fehlende Stunden": lessons not yet placed, courses that are never placed aside.
int FehlStundenTest(const TSchule& schule, Fehlerausgabe& fehler);
// "Einzel-/Mehrfachstunden": completely placed versions whose single and block lessons do not
// match "Einzelne" and "Std/Tag".
int EinzelPruefung(const TSchule& schule, Fehlerausgabe& fehler);

// "Versionsunterschiede": targets, lessons, blockings and occupancy that differ between the plan
// versions; nothing with a single version.
int VersionsPruefung(const TSchule& schule, Fehlerausgabe& fehler);
// "gekoppelte Kurse": the courses of a coupling that differ from its first course in lessons,
// "Std/Tag", "Einzelne" or table.
int KopplPruefung(const TSchule& schule, Fehlerausgabe& fehler);

}  // namespace orbato
