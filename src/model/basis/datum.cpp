#include "model/basis/datum.h"

#include <cmath>

namespace orbato {
namespace {

// Days from 1970-01-01 of a proleptic Gregorian date (H. Hinnant's days_from_civil).
long TageAusKalender(long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long>(doe) - 719468;
}

TKalenderDatum KalenderAusTagen(long z) {
  z += 719468;
  const long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long y = static_cast<long>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  return {static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

// 1899-12-30 counted from 1970-01-01.
constexpr long kNullpunkt = -25569;

bool IstSchaltjahr(int j) {
  return (j % 4 == 0 && j % 100 != 0) || j % 400 == 0;
}

int TageImMonat(int jahr, int monat) {
  static constexpr int kTage[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return monat == 2 && IstSchaltjahr(jahr) ? 29 : kTage[monat - 1];
}

}  // namespace

std::optional<TDatumZeit> KodiereDatum(int jahr, int monat, int tag) {
  if (jahr < 1 || jahr > 9999 || monat < 1 || monat > 12) return std::nullopt;
  if (tag < 1 || tag > TageImMonat(jahr, monat)) return std::nullopt;
  return static_cast<double>(
      TageAusKalender(jahr, static_cast<unsigned>(monat), static_cast<unsigned>(tag)) - kNullpunkt);
}

std::optional<double> KodiereZeit(int stunde, int minute, int sekunde) {
  if (stunde < 0 || stunde > 23 || minute < 0 || minute > 59 || sekunde < 0 || sekunde > 59) {
    return std::nullopt;
  }
  return (stunde * 3600 + minute * 60 + sekunde) / 86400.0;
}

int GanzerTag(TDatumZeit d) {
  return static_cast<int>(std::floor(d));
}

TKalenderDatum DekodiereDatum(TDatumZeit d) {
  return KalenderAusTagen(GanzerTag(d) + kNullpunkt);
}

TUhrzeit DekodiereZeit(TDatumZeit d) {
  long sekunden = std::lround((d - std::floor(d)) * 86400.0);
  if (sekunden >= 86400) sekunden = 86399;
  return {static_cast<int>(sekunden / 3600), static_cast<int>(sekunden / 60 % 60),
          static_cast<int>(sekunden % 60)};
}

int Wochentag(TDatumZeit d) {
  // Day 0 was a Saturday.
  const int rest = ((GanzerTag(d) + 5) % 7 + 7) % 7;
  return rest + 1;
}

}  // namespace orbato
