#pragma once

#include <cstdint>

namespace orbato {

class TKurs;
class TPlanZellen;
class TRaum;
class TSetzung;

// The room operations of a course's placements. Each keeps the room grids in step with the
// placements (a room's occupancy bit is set exactly while a placement in that room lies in the
// cell), sets the change times of the teacher, the classes and the room, redraws the plan windows
// concerned and marks the document changed; the document's history records each change.

// What an overview window keeps per row beside the course shown there, the same letters as a
// plan window's cells ('R' marked for the next command). A row stands for one cell of the week:
// (day - 1) * fPlnStd + period.
class TUeberZellen {
 public:
  virtual ~TUeberZellen() = default;
  virtual char ZeilenMarke(int32_t zeile) const = 0;
};
// The overview row of a cell.
int32_t UeberZeile(int32_t tag, int32_t std);

// Whether any placement of the course is in the room.
bool VerplantImRaum(const TKurs& kurs, const TRaum* raum);
// Asks "Kurs im Raumplan" when placements use the room and takes the room off them on "Ja".
// True when afterwards no placement uses the room; only then may the room leave the course's list.
bool KursNichtImRaum(TKurs& kurs, TRaum* raum);
// Takes the room off the placement, if it has one.
void EntferneRaumInSetzung(TKurs& kurs, TSetzung* setzung);
// Gives the placement `raum` instead of its room; whether the room is free is the caller's test.
void AendereRaumInSetzung(TKurs& kurs, TSetzung* setzung, TRaum* raum);
// Takes the room off the placement(s) in the cell, in each version of the argument.
void LoescheRaumInSetzung(TKurs& kurs, int32_t woche, int32_t tag, int32_t std);
// Gives the placement in the cell (woche >= 1) the room; a room the course does not list yet is
// adopted into fRaeume and fRaumErgaenzt and the course into the room's course list. Nothing
// without a placement there.
void RaumAenderung(TKurs& kurs, TRaum* raum, int32_t woche, int32_t std, int32_t tag);
// Asks "Raumtausch" and on "Ok" swaps the rooms of the two courses' placements in the cell
// (woche >= 1). False when either course has no placement there or the user cancels.
bool RaumTausch(TKurs& kurs, TKurs& anderer, int32_t woche, int32_t std, int32_t tag);
// The room for one cell (woche >= 1): a swap with the course whose placement is in the room
// there, else a room change; none takes the room off. Always marks the document changed.
void RSetzen(TKurs& kurs, TRaum* raum, int32_t woche, int32_t std, int32_t tag);
// RSetzen for every cell marked 'R' in the plan window, respectively the overview window, in the
// current version (single-version mode) or in every version; then the course window is refreshed.
void RaumSetzen(TKurs& kurs, TRaum* raum, const TPlanZellen& fenster);
void RaumUeberSetzen(TKurs& kurs, TRaum* raum, const TUeberZellen& fenster);
// Moves every unfixed placement into the course's main room (the listed room the most
// placements use, the earlier one on a tie) where that room is neither blocked nor occupied.
void RaumAbgleich(TKurs& kurs);

}  // namespace orbato
