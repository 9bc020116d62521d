#pragma once

#include <QString>

namespace orbato {

// The version of this build, as the build names it.
QString ProgrammVersion();
// The program's name with that version, "WinOrbato 3.9.16": the main window's title and the
// splash screen.
QString ProgrammTitel();

// The text of "Über WinOrbato...": program, version, licence and the libraries of this build, the
// Qt library as found at run time.
QString UeberWinOrbatoText();

// The text of "Updates": the installed version and where a newer one comes from.
QString UpdatesText();

}  // namespace orbato
