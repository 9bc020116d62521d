#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/basis/liste.h"
#include "model/schnittstellen/menue.h"

namespace orbato {

class TElement;
class TKurs;
class TSchule;
class TStandard;

// The teaching-load windows ("Deputat", and "alle Kurse") as data: one row per course, the
// columns below, and what the palette's tools do in a cell. The Qt window draws and forwards.

enum class TDepSpalte {
  Wert,
  Std,
  Lehrer,
  Fach,
  Klasse,
  Kopplung,
  Raum,
  Fkt,
  SpT,
  Ez,
  Tab,
  Nvp,
  NzL,
  NzK,
  Stat,
  Info
};

// The columns shown: the seven element and hour columns, the seven extra ones with
// fMitZusatzInfo, "Stat." with fMitStatistik, "Info" with fMitKursInfo.
std::vector<TDepSpalte> DepSpalten(const TStandard& standard);
std::string DepKopf(TDepSpalte spalte);
// Pixel width from the workload window settings.
int32_t DepBreite(const TStandard& standard, TDepSpalte spalte);

// What a course's row shows in the column; hour values in the format of every workload.
std::string DepText(const TKurs& kurs, TDepSpalte spalte);

struct TDepStil {
  bool fRot = false;
  bool fFett = false;
};
// Red "Std" while lessons of a course that is to be placed are still open; bold "Klasse" and
// "Raum" when the cell shows only the first of several.
TDepStil DepStil(const TKurs& kurs, TDepSpalte spalte);

// "Deputat " and the short name, then " [" workload "/" target "]"; elements without a target
// show their workload alone.
std::string DeputatTitel(const TElement& element);

// The rows of a window over `kurse`, in their order. Courses without lessons in the current
// selection are left out unless fMitNullStd. `nurGekoppelt` (opened with Alt) keeps the coupled
// courses only, `nurOffen` (opened with Ctrl and Alt) the courses to be placed that still have
// lessons to place; both together keep what passes both.
std::vector<TKurs*> DepKurse(const TStandard& standard, const TListe<TKurs>& kurse,
                             bool nurGekoppelt, bool nurOffen);

// A click on a column header: ascending by the column's text in the order of short names, by
// passes of adjacent exchanges (at most 1000), so numbers sort as text and rows with equal texts
// keep their order.
void DepSortieren(std::vector<TKurs*>& kurse, TDepSpalte spalte);

// The show tool: the classes, the coupling's courses or the rooms of the course, entries that
// only inform (no command); empty for one class, no coupling or one room.
TMenu DepZeigMenu(const TKurs& kurs, TDepSpalte spalte);
// The set tool: the value menus of the course window for the number columns, the "Kürzel" pick
// menus for the element columns; empty for the other columns.
TMenu DepSetzMenu(TKurs& kurs, TDepSpalte spalte);
// The delete tool. Teacher, subject, coupling and classes go only while nothing of the course is
// placed, a room only while no lesson is held in it. With several classes or rooms and without
// Ctrl nothing is removed yet: `auswahl` receives a menu whose entries remove the one chosen;
// with Ctrl all of them go. True when something was removed here.
bool DepLoeschen(TKurs& kurs, TDepSpalte spalte, bool ctrl, TMenu& auswahl);
// The move tool dropping a cell of `quelle` onto the row of `ziel`: the classes `ziel` lacks
// (only while nothing of it is placed), the rooms it lacks (appended), or the info text while
// the info column is shown. True when `ziel` changed.
bool DepUebertragen(const TStandard& standard, const TKurs& quelle, TKurs& ziel, TDepSpalte spalte);

// "Löschen" and cutting: every selected course without placed lessons is destroyed once, placed
// courses stay. Answers the number destroyed.
int DepAuswahlLoeschen(TSchule& schule, const std::vector<TKurs*>& auswahl);

}  // namespace orbato
