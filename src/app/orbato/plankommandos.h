#pragma once

#include <ostream>
#include <string>

#include "app/orbato/lauf.h"
#include "model/basis/zeichensatz.h"
#include "model/dokument/schule.h"
#include "model/schnittstellen/dialoge.h"
#include "persist/plandatei.h"
#include "persist/puffer.h"

namespace orbato {

// Runs a step on files; a file error ends the command with its message.
template <class Schritt>
int MitDateiFehlern(TLauf& lauf, Schritt&& schritt) {
  try {
    return schritt();
  } catch (const TStreamFehler& fehler) {
    return Fehler(lauf.umgebung, Utf8AusCp1252(fehler.what()));
  }
}

// Loads the plan file named first (or at position `argument`) into a fresh document, installs
// it as the program's with scripted dialogs (the first button answers every question) and the
// run's clock, and runs the step on it.
template <class Schritt>
int MitGeladenemPlan(TLauf& lauf, Schritt&& schritt, std::size_t argument = 0) {
  return MitDateiFehlern(lauf, [&] {
    TSkriptDialoge dialoge;
    TGeladenerPlan plan = LadePlan(lauf.aufruf.argumente[argument], dialoge, lauf.uhr);
    TSchule& schule = *plan.schule;
    TSchuleEinsetzen eingesetzt(schule);
    schule.SetDialoge(&dialoge);
    // "Today" of every rule is the run's: the system clock or the one --heute fixes.
    schule.SetUhr(&lauf.uhr);
    return schritt(schule, dialoge);
  });
}

// Saves the document as "Sichern unter…" does.
void Sichere(TSchule& schule, const std::string& pfad);

// The commands on plan files: new, describe, convert, and the demo school.
int Neu(TLauf& lauf);
int Info(TLauf& lauf);
int Umwandeln(TLauf& lauf);
int Demo(TLauf& lauf);

}  // namespace orbato
