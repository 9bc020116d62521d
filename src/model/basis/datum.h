#pragma once

#include <optional>

namespace orbato {

// A moment as the program counts it: days since 30 December 1899, the time of day as fraction.
using TDatumZeit = double;

struct TKalenderDatum {
  int Jahr = 1899;
  int Monat = 12;
  int Tag = 30;
};

struct TUhrzeit {
  int Stunde = 0;
  int Minute = 0;
  int Sekunde = 0;
};

// The day count of a calendar date; none for a date that does not exist (month 13, 30 February).
std::optional<TDatumZeit> KodiereDatum(int jahr, int monat, int tag);
// The fraction of a day of a time; none outside 00:00:00 .. 23:59:59.
std::optional<double> KodiereZeit(int stunde, int minute, int sekunde);

TKalenderDatum DekodiereDatum(TDatumZeit d);
// The time of day, rounded to the nearest second.
TUhrzeit DekodiereZeit(TDatumZeit d);

// ISO weekday of a date: 1 = Monday … 7 = Sunday.
int Wochentag(TDatumZeit d);

// The whole-day part of a moment (floor, so that moments before 1899 stay on their own day).
int GanzerTag(TDatumZeit d);

}  // namespace orbato
