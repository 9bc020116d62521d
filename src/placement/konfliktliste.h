#pragma once

#include <cstdint>

#include "model/basis/liste.h"
#include "placement/konflikt.h"

namespace orbato {

class TKopplung;
class TKurs;
class TRaum;

// The obstacles to an hour of a course in a cell, version by version over the current span (the
// current version in single-version mode, else every version), appended to `liste` in the list
// order of TKonflikt. Each builder answers the highest severity it met, 0 for a free cell.
//
// The teacher's lessons there all count, the course's own ones too; a class's lessons of
// `eigenerKurs` or of `eigeneKopplung` do not, since coupled courses share their classes.

// Checks the room the course holds in the old cell (none when it has none or the versions
// disagree): the room the hour takes along when it moves.
int32_t FuelleKonfliktListe(TKurs& kurs, int32_t neuTag, int32_t neuStd, const TKurs* eigenerKurs,
                            const TKopplung* eigeneKopplung, TListe<TKonflikt>& liste,
                            int32_t altStd, int32_t altTag);
// Checks `neuRaum` instead (none: no room check).
int32_t FuelleKonfliktListeMitRaum(TKurs& kurs, int32_t neuTag, int32_t neuStd, TRaum* neuRaum,
                                   const TKurs* eigenerKurs, const TKopplung* eigeneKopplung,
                                   TListe<TKonflikt>& liste, int32_t altStd, int32_t altTag);
// For the manual-planning window: the course and its own coupling excluded, `raum` checked.
int32_t ManKonfliktListe(TKurs& kurs, int32_t tag, int32_t std, TRaum* raum,
                         TListe<TKonflikt>& liste);
// Adds koRa in each version where the course has rooms and every one of them is blocked or
// occupied in the cell.
void ManKoRaumKonflikt(TKurs& kurs, int32_t tag, int32_t std, TListe<TKonflikt>& liste);

}  // namespace orbato
