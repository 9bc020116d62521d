#pragma once

#include <cstdint>

class QTableWidget;

namespace orbato {

class TStandard;

// The days and periods a week table shows.
struct TSchulwoche {
  int tage = 0;
  int stunden = 0;
};

// Sizes a week table to the school week of the settings (days 1..fMaxTageNeu, periods
// 1..fPlnStd) and labels its columns with the day names and its rows with the period labels of
// the version.
TSchulwoche WochenTabelle(QTableWidget& tabelle, const TStandard& s, int32_t woche);

}  // namespace orbato
