#include "model/basis/datum.h"

#include <gtest/gtest.h>

namespace orbato {
namespace {

TEST(Datum, DayCountsStartOn30December1899) {
  EXPECT_EQ(*KodiereDatum(1899, 12, 30), 0);
  EXPECT_EQ(*KodiereDatum(1900, 1, 1), 2);
  EXPECT_EQ(*KodiereDatum(1994, 1, 1), 34335);
  EXPECT_EQ(*KodiereDatum(2014, 3, 1), 41699);
  EXPECT_FALSE(KodiereDatum(2023, 2, 29));
  EXPECT_TRUE(KodiereDatum(2024, 2, 29));
  EXPECT_FALSE(KodiereDatum(2024, 13, 1));
  EXPECT_FALSE(KodiereDatum(2024, 4, 31));
  const TKalenderDatum d = DekodiereDatum(45999.75);
  EXPECT_EQ(d.Jahr, 2025);
  EXPECT_EQ(d.Monat, 12);
  EXPECT_EQ(d.Tag, 8);
  EXPECT_EQ(DekodiereDatum(-1.5).Tag, 28);  // 28 December 1899
}

TEST(Datum, TimesAndWeekdays) {
  EXPECT_EQ(*KodiereZeit(12, 0, 0), 0.5);
  EXPECT_FALSE(KodiereZeit(24, 0, 0));
  const TUhrzeit z = DekodiereZeit(*KodiereDatum(2026, 12, 8) + *KodiereZeit(16, 52, 6));
  EXPECT_EQ(z.Stunde, 16);
  EXPECT_EQ(z.Minute, 52);
  EXPECT_EQ(z.Sekunde, 6);
  EXPECT_EQ(DekodiereZeit(0.99999999).Sekunde, 59);
  EXPECT_EQ(Wochentag(*KodiereDatum(2026, 12, 7)), 1);  // Monday
  EXPECT_EQ(Wochentag(*KodiereDatum(2026, 12, 13) + 0.9), 7);
  EXPECT_EQ(Wochentag(0), 6);  // 30 December 1899 was a Saturday
  EXPECT_EQ(Wochentag(-1), 5);
}

}  // namespace
}  // namespace orbato
