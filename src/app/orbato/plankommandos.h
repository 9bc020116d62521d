#pragma once

#include <ostream>
#include <string>

#include "app/orbato/lauf.h"
#include "model/basis/zeichensatz.h"
#include "persist/puffer.h"

namespace orbato {

class TSchule;

// Runs a step on files; a file error ends the command with its message.
template <class Schritt>
int MitDateiFehlern(TLauf& lauf, Schritt&& schritt) {
  try {
    return schritt();
  } catch (const TStreamFehler& fehler) {
    return Fehler(lauf.umgebung, Utf8AusCp1252(fehler.what()));
  }
}

// Saves the document as "Sichern unter…" does.
void Sichere(TSchule& schule, const std::string& pfad);

// The commands on plan files: new, describe, convert, and the demo school.
int Neu(TLauf& lauf);
int Info(TLauf& lauf);
int Umwandeln(TLauf& lauf);
int Demo(TLauf& lauf);

}  // namespace orbato
