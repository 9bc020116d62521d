#pragma once

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "persist/einstellungsspeicher.h"

namespace orbato {

struct TLauf;

// What a run of the command line reaches outside itself. The program's main() supplies the real
// settings store and the standard streams; tests supply their own.
struct TKommandoUmgebung {
  std::ostream& aus;
  std::ostream& fehler;
  // Opens the user's settings store, used when no --einstellungen file is given; it is only read.
  std::function<std::unique_ptr<Einstellungsspeicher>()> benutzerEinstellungen;
  // `orbato drucken`, which needs Qt's GUI module; a program built without it has none.
  std::function<int(TLauf&)> drucken = {};
};

// Runs `orbato ARGUMENTE…` (without the program name) and answers the exit status: 0 done, 1 the
// command could not be done, 2 wrong usage.
int OrbatoAusfuehren(const std::vector<std::string>& argumente, TKommandoUmgebung& umgebung);

}  // namespace orbato
