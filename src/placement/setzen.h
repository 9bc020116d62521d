#pragma once

#include <cstdint>

namespace orbato {

class TKurs;
class TRaum;
class TSetzung;

// The operations that change which cells a course occupies. They do not refuse: callers ask the
// placement rules first. Each keeps the occupancy grids of the course, its teacher, its classes
// and its rooms in step with the placements, sets the change times, marks the document changed,
// redraws the plan windows concerned and, while manual planning records, writes the journal.
// Version arguments: n >= 1 that version, 0 every version, -1 the current selection.

// Places one hour, not fixed; nothing when the course is not to be planned or has no hour left
// in that version. Answers the new placement, none when nothing was placed.
TSetzung* NeueSetzung(TKurs& kurs, int32_t woche, int32_t tag, TRaum* raum, int32_t std);
// The same for an hour the course held already and that only changes its cell: placed whether or
// not the course has an hour left or is to be planned, so that no hour is lost on the way.
TSetzung* VerlegteSetzung(TKurs& kurs, int32_t woche, int32_t tag, TRaum* raum, int32_t std);
// Removes that placement of the course.
void SetzungEntfernen(TKurs& kurs, TSetzung* setzung);
// Removes the placement in the cell, in each version of the argument; with `ganzeKopplung` that
// of every course of the course's coupling.
void LoescheSetzung(TKurs& kurs, int32_t woche, int32_t tag, bool ganzeKopplung, int32_t std);
void AlleSetzungenEntfernen(TKurs& kurs);
// Moves the hour (with `mitKopplung` those of every coupled course in the old cell) in each
// version of the current selection, each keeping its room.
void Schiebe(TKurs& kurs, int32_t neuTag, int32_t neuStd, bool mitKopplung, int32_t altStd,
             int32_t altTag);
// The same, the course itself going into `raum`.
void SchiebeMitRaum(TKurs& kurs, int32_t neuTag, int32_t neuStd, TRaum* raum, bool mitKopplung,
                    int32_t altStd, int32_t altTag);
// Sets the occupancy bits of course, teacher, classes and the placement's room in every version
// of the selection that has a placement in the cell; lets a window lift a course out of its
// cell for a test (false) and put it back (true).
void AendereBesetzung(TKurs& kurs, int32_t woche, int32_t tag, bool mitKopplung, bool wert,
                      int32_t std);

// The room of the course's placement in the cell over the versions of the argument; none when
// none has a room or two versions differ.
TRaum* RaumFinden(const TKurs& kurs, int32_t woche, int32_t tag, int32_t std);
// The first room of the course's list neither blocked nor occupied there.
TRaum* FreierRaum(const TKurs& kurs, int32_t woche, int32_t tag, int32_t std);

// Redraws the plan windows of the course's teacher, classes and of the room.
void PlanFensterAktualisieren(const TKurs& kurs, const TRaum* raum);

}  // namespace orbato
