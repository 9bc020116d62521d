#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/basis/datum.h"

namespace orbato {

// The plan version the document's calendar assigns to the week of a date.
int32_t PlanVersionAm(TDatumZeit datum);
// A date on which school is held: no holiday and not beyond the school week.
bool Schultag(TDatumZeit datum);
// The date at noon, the form in which absences and substitutions keep their dates.
TDatumZeit Mittag(TDatumZeit datum);
// The period label the settings keep for a plan version and period; empty outside the grid.
std::string StundenBezeichnung(int32_t woche, int32_t std);
// Today at noon by the document's clock.
TDatumZeit HeuteMittag();

// The ISO 8601 week of a date and the year it belongs to.
struct TIsoWoche {
  int Woche = 1;
  int Jahr = 1994;
};
TIsoWoche IsoWoche(TDatumZeit datum);
// The Monday (at midnight) of ISO week `woche` of `jahr`; none when the year has no such week.
std::optional<TDatumZeit> IsoWochenMontag(int woche, int jahr);

// The date entry rule of the date dialogs: a day that does not exist in the month becomes day - 1,
// day - 2 or day - 3, the first that exists; `tag` is corrected in place. None when none exists
// (a month or year out of range).
std::optional<TDatumZeit> KorrigiertesDatum(int jahr, int monat, int& tag);

}  // namespace orbato
