#pragma once

#include <cstdint>
#include <functional>

#include "model/basis/liste.h"
#include "placement/konflikt.h"

namespace orbato {

class TKurs;
class TRaum;

// "gekoppelten Kurs löschen" for a coupled course's lesson in the cell (its line of version
// `woche`): "Dieser Kurs", "Kopplung" or "Abbrechen". Without a lesson of the coupling there in
// the current version nothing is asked and the answer is Nein.
enum class TKopplungsWahl { DieserKurs, Kopplung, Nein, Abbrechen };
TKopplungsWahl FrageKopplung(const TKurs& kurs, int32_t woche, int32_t tag, int32_t std);

// The interactive placement tests: whether an hour may go into the new cell, asking the user
// through the document's dialogs when something is in the way. Blockings, fixed lessons and room
// blockings forbid ("Setzungsverbot"); unfixed lessons in the way are offered for displacement
// ("Verdrängen"), coupled ones one by one ("gekoppelten Kurs löschen"). Displacement removes
// the lessons and takes their entries out of the list; what the user cancels stays in it. True
// when nothing is left in the way; the caller then places the hour. The list owns its entries.
//
// `mitKopplung` moves the whole coupling: each course of it that holds the old cell is checked.

bool PasstIn(TKurs& kurs, int32_t neuTag, int32_t neuStd, bool mitKopplung,
             TListe<TKonflikt>& liste, int32_t altStd, int32_t altTag);
// The course itself goes into `neuRaum`, the coupled ones keep their rooms.
bool PasstInMitRaum(TKurs& kurs, int32_t neuTag, int32_t neuStd, TRaum* neuRaum, bool mitKopplung,
                    TListe<TKonflikt>& liste, int32_t altStd, int32_t altTag);
// The manual-planning window without its conflict display: the course with `raum`, with
// `mitKopplung` the other coupled courses without a room.
bool ManOhneKonflPasstIn(TKurs& kurs, int32_t tag, int32_t std, TRaum* raum, bool mitKopplung,
                         TListe<TKonflikt>& liste);
// The manual-planning window with the list it prepared for the cell, which stays as it is: the
// dialogs work on a copy. A course the user displaces alone out of its coupling goes to
// `vormerken` (may be empty), which lists it among the courses still to place unless it is there.
bool ManPasstIn(TKurs& kurs, int32_t tag, int32_t std, const TListe<TKonflikt>& liste,
                const std::function<void(TKurs*)>& vormerken);

}  // namespace orbato
