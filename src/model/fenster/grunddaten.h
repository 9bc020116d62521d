#pragma once

#include <string>

#include "model/elemente/kuerzelart.h"

namespace orbato {

class Dialoge;
class TElement;
class TKlasse;
class TKurs;
class TRaum;
class TSchule;
class TStandard;
class TSollElement;

// The rules behind the master-data windows of teachers and classes: their own room, the hours of
// a class's courses, and taking over the courses of another class.

// The caption of a master-data window: "Grunddaten " and the short name, cut to 22 characters.
std::string GrunddatenTitel(const TElement& element);

// The own room of a teacher or class, as chosen from the "Raum" button's menu. None ("ohne")
// removes the element's room without a question. Another room asks first, "Lehrerraumwechsel"
// ("Klasssenraumwechsel") when the element has a room and "Neuer Lehrerraum" ("Neuer
// Klassenraum") when it has none, with "Ja", "Nein" and "Abbrechen": "Ja" changes the room in the
// element's courses and sets it, "Nein" only sets it, "Abbrechen" changes nothing. The room the
// element has already changes nothing. True when the element's room changed.
bool EigenenRaumWaehlen(TSollElement& element, TRaum* raum, Dialoge& dialoge);

// One step of the hours button beside a class's course list: richtung +1 or -1 lessons per
// version (a step of 1 in single-version mode, otherwise of the number of versions). Going down
// stops at the placed lessons, or for a course never placed at -112 per version; going up at 112
// per version. False when the step was refused.
bool KursStundenSchritt(TSchule& schule, const TStandard& standard, TKurs& kurs, int richtung);

// What "Übernehmen" does with the coupled courses of the source class.
enum class TUebernahme {
  OhneKopplungen,   // "ohne Kopplungen": skipped
  KlasseErgaenzen,  // "in Kopplungen Klasse ergänzen": the target joins the course itself
  EigeneKurse       // "eigene Kurse statt Kopplungen": copied like the others
};

// Whether the courses of a class may be replaced: refused with the message "Stop" while a lesson
// of the class is placed.
bool UebernahmeErlaubt(const TKlasse& ziel, Dialoge& dialoge);
// "Kurse übernehmen" from `quelle` into `ziel` (nothing when they are the same class): the
// target's courses go (or lose the target where other classes share them), then every course of
// the source is copied in list order as `art` says. With `klassenraum` the source's own room in a
// copied course is replaced by the target's own room, when the target has one.
void KurseUebernehmen(TSchule& schule, const TStandard& standard, TKlasse& ziel, TKlasse& quelle,
                      TUebernahme art, bool klassenraum);

}  // namespace orbato
