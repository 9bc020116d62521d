#include "model/einstellungen/stundenzeiten.h"

#include <gtest/gtest.h>

#include "model/einstellungen/standard.h"
#include "model/einstellungen/stundenzeitenwahl.h"

namespace orbato {
namespace {

// 45 minutes each from 08:00, 5 minutes between, 20 after the second and 15 after the fourth.
TEST(Stundenzeiten, DefaultsAreTheBellTimesOfAGermanSchool) {
  const TStundenZeiten z = VorgabeStundenZeiten();
  const char* const erwartet[] = {"08:00-08:45", "08:50-09:35", "09:55-10:40", "10:45-11:30",
                                  "11:45-12:30", "12:35-13:20", "13:25-14:10", "14:15-15:00"};
  for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(StundenZeitText(z[i]), erwartet[i]) << i;
  EXPECT_EQ(StundenZeitText(z[15]), "20:55-21:40");
  EXPECT_EQ(TStandard().fStdZeiten, z);
}

TEST(Stundenzeiten, TextsAreReadOnlyAsTwoTimesOfOneDayInOrder) {
  EXPECT_EQ(LiesStundenZeit("7:05-07:50"), (TStundenZeit{425, 470}));
  EXPECT_EQ(LiesStundenZeit("23:00-23:59"), (TStundenZeit{1380, 1439}));
  for (const char* falsch : {"", "08:00", "08:00-08:00", "09:00-08:00", "08:60-09:00",
                             "24:00-24:10", "8-9", "08:00-09:5", "a8:00-09:00", "08:00-09:00x"}) {
    EXPECT_FALSE(LiesStundenZeit(falsch)) << falsch;
  }
}

// The dialog's logic edits a copy and stores it only when every period ends after it begins.
TEST(Stundenzeiten, TheChoiceStoresOnlyTimesInOrder) {
  TStandard standard;
  TStundenZeitenWahl wahl(standard);
  EXPECT_EQ(wahl.Beginn(3), "09:55");
  EXPECT_TRUE(wahl.SetzeBeginn(1, "7:45"));
  EXPECT_FALSE(wahl.SetzeEnde(1, "halb neun"));
  EXPECT_EQ(wahl.Ende(1), "08:45");
  EXPECT_TRUE(wahl.SetzeEnde(2, "08:40"));
  EXPECT_EQ(wahl.FalscheStunde(), 2);
  EXPECT_EQ(TStundenZeitenWahl::Meldung(2), "Die 2. Stunde muss nach ihrem Beginn enden.");
  EXPECT_FALSE(wahl.Uebernehmen(standard));
  EXPECT_EQ(standard.fStdZeiten, VorgabeStundenZeiten());
  EXPECT_TRUE(wahl.SetzeEnde(2, "09:30"));
  EXPECT_TRUE(wahl.Uebernehmen(standard));
  EXPECT_EQ(StundenZeitText(standard.fStdZeiten[0]), "07:45-08:45");
  EXPECT_EQ(StundenZeitText(standard.fStdZeiten[1]), "08:50-09:30");
  wahl.Vorgabe();
  EXPECT_EQ(wahl.Zeiten(), VorgabeStundenZeiten());
}

}  // namespace
}  // namespace orbato
