#include "model/woche/wochenstunden.h"

#include <gtest/gtest.h>

#include "model/einstellungen/standard.h"

namespace orbato {
namespace {

class WochenStundenTest : public ::testing::Test {
 protected:
  WochenStundenTest() : fEinsetzen(fStandard) {
    fStandard.fMaxWocheNeu = 3;
    fStandard.fEineWoche = false;
    fStunden.SetWochenZahl(3);
    fStunden.SetWochenStunde(1, 2);
    fStunden.SetWochenStunde(2, 3);
    fStunden.SetWochenStunde(3, 0);
  }

  TStandard fStandard;
  TStandardEinsetzen fEinsetzen;
  TWochenStunden fStunden;
};

TEST_F(WochenStundenTest, VersionZeroSumsAllVersions) {
  EXPECT_EQ(fStunden.GetWochenStunde(0), 5);
  EXPECT_EQ(fStunden.GetWochenStunde(2), 3);
  fStunden.SetWochenStunde(3, -7);  // transiently negative entries count as they are
  EXPECT_EQ(fStunden.GetWochenStunde(0), -2);
}

TEST_F(WochenStundenTest, CurrentSelectionInSingleVersionModeIsTheCurrentVersion) {
  fStandard.fEineWoche = true;
  fStandard.fAktuelleWoche = 2;
  EXPECT_EQ(fStunden.GetWochenStunde(-1), 3);
  fStunden.SetWochenStunde(-1, 9);
  EXPECT_EQ(fStunden.GetWochenStunde(1), 2);
  EXPECT_EQ(fStunden.GetWochenStunde(2), 9);
  EXPECT_EQ(fStunden.GetWochenStunde(3), 0);
}

TEST_F(WochenStundenTest, CurrentSelectionOutsideSingleVersionModeIsAllVersions) {
  EXPECT_EQ(fStunden.GetWochenStunde(-1), 5);
  fStunden.SetWochenStunde(-1, 4);
  for (int w = 1; w <= 3; ++w) EXPECT_EQ(fStunden.GetWochenStunde(w), 4);
  EXPECT_EQ(fStunden.GetWochenStunde(0), 12);
}

TEST_F(WochenStundenTest, ShrinkDiscardsAndGrowAppendsZero) {
  fStunden.SetWochenZahl(1);
  EXPECT_EQ(fStunden.ZahlWochen(), 1);
  EXPECT_EQ(fStunden.GetWochenStunde(0), 2);  // missing versions count as 0
  fStunden.SetWochenZahl(3);
  EXPECT_EQ(fStunden.GetWochenStunde(2), 0);
  EXPECT_EQ(fStunden.GetWochenStunde(0), 2);
}

TEST_F(WochenStundenTest, SumRunsOverActiveVersionsOnly) {
  fStandard.fMaxWocheNeu = 2;
  fStunden.SetWochenStunde(3, 100);
  EXPECT_EQ(fStunden.GetWochenStunde(0), 5);
  fStunden.SetWochenStunde(0, 1);
  EXPECT_EQ(fStunden.GetWochenStunde(3), 100);
}

TEST_F(WochenStundenTest, StundenGleichComparesWithVersionOne) {
  EXPECT_FALSE(fStunden.StundenGleich());
  fStunden.SetWochenStunde(0, 6);
  EXPECT_TRUE(fStunden.StundenGleich());
  fStunden.SetWochenStunde(3, 5);
  EXPECT_FALSE(fStunden.StundenGleich());
  fStandard.fMaxWocheNeu = 1;
  EXPECT_TRUE(fStunden.StundenGleich());
}

}  // namespace
}  // namespace orbato
