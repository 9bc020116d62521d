#include <iostream>
#include <string>
#include <vector>

#include "app/orbato/kommandozeile.h"
#ifdef _WIN32
#include <windows.h>
// windows.h first
#include <shellapi.h>

#include "persist/breitertext.h"
#endif
#ifdef ORBATO_MIT_QT
#include "app/orbato/druckkommando.h"
#include "platform/qsettingsspeicher.h"
#elif defined(_WIN32)
#include "persist/registryspeicher.h"
#endif

namespace {

// The words of the command line in UTF-8. Windows hands main() its arguments in the ANSI code
// page, which loses every name outside it; the wide command line keeps them.
std::vector<std::string> Argumente(int argc, char** argv) {
#ifdef _WIN32
  int anzahl = 0;
  if (wchar_t** breit = CommandLineToArgvW(GetCommandLineW(), &anzahl)) {
    std::vector<std::string> argumente;
    for (int i = 1; i < anzahl; ++i) argumente.push_back(orbato::Utf8AusBreit(breit[i]));
    LocalFree(breit);
    return argumente;
  }
#endif
  return std::vector<std::string>(argv + 1, argv + argc);
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> argumente = Argumente(argc, argv);
#ifdef _WIN32
  SetConsoleOutputCP(CP_UTF8);  // the texts are UTF-8; the console shows them right only when told
#endif
  orbato::TKommandoUmgebung umgebung{std::cout, std::cerr, {}};
#ifdef ORBATO_MIT_QT
  // Without --einstellungen the commands read the user's own settings (and never write them).
  umgebung.benutzerEinstellungen = [] { return std::make_unique<orbato::TQSettingsSpeicher>(); };
  umgebung.drucken = orbato::DruckKommando;
#elif defined(_WIN32)
  // Without Qt the Windows build reads the registry key of the desktop program itself.
  umgebung.benutzerEinstellungen = [] { return std::make_unique<orbato::TRegistrySpeicher>(); };
#endif
  return orbato::OrbatoAusfuehren(argumente, umgebung);
}
