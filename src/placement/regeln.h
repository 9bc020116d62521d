#pragma once

#include <cstdint>

namespace orbato {

class TKlasse;
class TKopplung;
class TKurs;
class TRaum;

// Whether an hour of a course may go into a cell, as yes/no tests. Version arguments follow the
// usual convention: n >= 1 that version, 0 every version (a grid counts when set in any), -1 the
// current selection.

// The lesson the class holds in the cell (in each version of the argument) is none, or one of
// `kopplung`.
bool KlasseFrei(const TKlasse& klasse, int32_t woche, int32_t tag, const TKopplung* kopplung,
                int32_t std);
// The room can take a lesson in the cell: neither blocked nor occupied there.
bool RaumFrei(const TRaum& raum, int32_t woche, int32_t tag, int32_t std);

// The course does not stand in the way of a placement there: it has no hour left in the version
// or is not to be planned, or it and its teacher are neither blocked nor occupied and each class
// is unblocked and free or busy only with a course of `kopplung`.
bool IstSetzbar(const TKurs& kurs, int32_t woche, int32_t tag, const TKopplung* kopplung,
                int32_t std);
// The course fits the cell without any obstacle: course, teacher, classes (in each version of the
// class test range, unless the lesson found there is of the course's own coupling) and the room.
bool SetzungPossible(const TKurs& kurs, int32_t woche, int32_t tag, const TRaum* raum, int32_t std);

}  // namespace orbato
