#pragma once

#include <cstdint>
#include <functional>

#include "model/dokument/schule.h"
#include "model/schnittstellen/menue.h"
#include "placement/setzmenue.h"

namespace orbato {

class TKurs;
class TPlanElement;
class TStandard;

// What the palette's tools do on one cell of an element's timetable, the same whether the cell
// lies in the element's plan window or in its column of an overview. The windows mark cells and
// redraw; these run the placement commands, with the window's document and settings.

// The show tool's menu for an occupied cell: the week lines of every course of the element
// there; choosing a line of a class plan calls `wechseln`.
void ZeigMenuFuellen(const TStandard& standard, TPlanElement& element, TMenu& menu, int32_t tag,
                     int32_t std, const TKlPlanWechsel& wechseln);
// The set tool's menu for an empty cell: the courses of the element that can go there; empty
// while the element is blocked there.
void SetzMenuFuellen(TSchule& schule, const TStandard& standard, TPlanElement& element, TMenu& menu,
                     int32_t tag, int32_t std);
// What a click with `werkzeug` opens on a cell of the element where `kurs` stands (none: the
// cell is empty): the show tool's menu on an occupied cell, the set tool's on an empty one. On
// an occupied cell of a teacher or class the set tool opens the room menu that `raumMenu` fills,
// after marking the course's cells as the window does. The other tools open nothing.
using TRaumMenuFuellen = std::function<void(TKurs& kurs, TMenu& menu)>;
TMenu KlickMenuFuellen(TSchule& schule, const TStandard& standard, TToolArt werkzeug,
                       TPlanElement& element, TKurs* kurs, int32_t tag, int32_t std,
                       const TKlPlanWechsel& wechseln, const TRaumMenuFuellen& raumMenu);
// The delete tool on a cell of the course: with `nurRaum` the hour only loses its room; a
// coupled hour goes alone or with its coupling as the user answers "gekoppelten Kurs löschen".
void ZelleLoeschen(const TStandard& standard, TKurs& kurs, int32_t tag, int32_t std, bool nurRaum);
// The preview of the move tool: whether the course lifted from (vonTag, vonStd), every course of
// its coupling with it, could go into (tag, std) without any obstacle; with `ohneRaum` the rooms
// of the lifted lessons are not asked for.
bool VorschauFrei(const TStandard& standard, const TKurs& kurs, int32_t vonTag, int32_t vonStd,
                  int32_t tag, int32_t std, bool ohneRaum);
// The drop of the move tool. With `shift` on another cell the school-wide swap of the two
// periods; otherwise, unless the course holds the target already, the fit test (with the
// coupling unless `alt`) and the move.
void ZelleAblegen(TSchule& schule, TKurs& kurs, int32_t vonTag, int32_t vonStd, int32_t tag,
                  int32_t std, bool alt, bool shift);

}  // namespace orbato
