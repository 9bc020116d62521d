#pragma once

#include <QCursor>

namespace orbato {

// Cursor numbers 1..13 in the order of the resource names SETZER ... ROTSETZER.
enum TZeigerNr {
  SetzerZeiger = 1,
  GummiZeiger,
  HalbGummiZeiger,
  HandZeiger,
  HalbHandZeiger,
  HammerZeiger,
  Pfeil4Zeiger,
  Pfeil3Zeiger,
  GriffZeiger,
  LupeMinusZeiger,
  LupePlusZeiger,
  RotHandZeiger,
  RotSetzerZeiger
};
inline constexpr int kZeigerZahl = 13;

// The resource name of a cursor ("SETZER" ...) for 1..13; nullptr otherwise.
const char* ZeigerName(int nr);

// Loads the thirteen cursors once (call after QApplication exists); later calls reuse them.
void ZeigerLaden();

// The cursor with that number; Qt::ArrowCursor for 0 or a number outside 1..13.
QCursor Zeiger(int nr);

// The cursor of a tool: 0 Zeigen -> arrow, 1 Setzen -> SETZER, 2 Loeschen -> GUMMI,
// 3 Schieben -> HAND, 4 Fixieren -> HAMMER; any other tool gets the arrow.
QCursor WerkzeugZeiger(int toolArt);

}  // namespace orbato
