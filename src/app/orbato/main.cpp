#include <iostream>
#include <string>
#include <vector>

#include "app/orbato/kommandozeile.h"
#ifdef ORBATO_MIT_QT
#include "app/orbato/druckkommando.h"
#include "platform/qsettingsspeicher.h"
#endif

int main(int argc, char** argv) {
  std::vector<std::string> argumente(argv + 1, argv + argc);
  orbato::TKommandoUmgebung umgebung{std::cout, std::cerr, {}};
#ifdef ORBATO_MIT_QT
  // Without --einstellungen the commands read the user's own settings (and never write them).
  umgebung.benutzerEinstellungen = [] { return std::make_unique<orbato::TQSettingsSpeicher>(); };
  umgebung.drucken = orbato::DruckKommando;
#endif
  return orbato::OrbatoAusfuehren(argumente, umgebung);
}
