#include "model/woche/wochbereich.h"

#include <gtest/gtest.h>

#include "model/einstellungen/standard.h"

namespace orbato {
namespace {

class WochBereichTest : public ::testing::Test {
 protected:
  WochBereichTest() : fEinsetzen(fStandard) {
    fStandard.fMaxWocheNeu = 3;
    fStandard.fEineWoche = false;
  }

  // Counts the set cells of one version over days 1..7, periods 1..16.
  static int Zellen(const TWochBereich& b, int woche) {
    int n = 0;
    for (int tag = 1; tag <= 7; ++tag) {
      for (int std = 1; std <= 16; ++std) n += b.GetWocheTagStd(woche, tag, std) ? 1 : 0;
    }
    return n;
  }

  TStandard fStandard;
  TStandardEinsetzen fEinsetzen;
};

TEST_F(WochBereichTest, NewRangeHasOneEmptyVersionPerActiveVersion) {
  TWochBereich b;
  EXPECT_EQ(b.ZahlWochen(), 3);
  for (int w = 1; w <= 3; ++w) {
    ASSERT_NE(b.GetWoche(w), nullptr);
    EXPECT_EQ(*b.GetWoche(w), TWoElem{});
  }
  EXPECT_EQ(b.GetWoche(0), nullptr);
  EXPECT_EQ(b.GetWoche(4), nullptr);
}

TEST_F(WochBereichTest, AllWildcardsSetEveryCellOfEveryVersionAndNoHighBits) {
  TWochBereich b;
  b.SetWocheTagStd(0, 0, true, 0);
  for (int w = 1; w <= 3; ++w) {
    EXPECT_EQ(Zellen(b, w), 7 * 16);
    for (int tag = 1; tag <= 7; ++tag) EXPECT_EQ(b.GetWocheTag(w, tag), 0xFFFF);
    EXPECT_EQ(b.GetWoche(w)->GetTag(8), 0);
  }
  b.SetWocheTagStd(0, 0, false, 0);
  for (int w = 1; w <= 3; ++w) EXPECT_EQ(*b.GetWoche(w), TWoElem{});
}

TEST_F(WochBereichTest, DayAndPeriodWildcardsActOnOneVersionOnly) {
  TWochBereich b;
  b.SetWocheTagStd(2, 3, true, 0);  // all periods of Wednesday
  b.SetWocheTagStd(3, 0, true, 5);  // period 5 of every day
  EXPECT_EQ(Zellen(b, 1), 0);
  EXPECT_EQ(Zellen(b, 2), 16);
  EXPECT_EQ(b.GetWocheTag(2, 3), 0xFFFF);
  EXPECT_EQ(Zellen(b, 3), 7);
  for (int tag = 1; tag <= 7; ++tag) EXPECT_EQ(b.GetWocheTag(3, tag), 1 << 4);
  b.SetWocheTagStd(2, 3, false, 16);
  EXPECT_EQ(b.GetWocheTag(2, 3), 0x7FFF);
}

TEST_F(WochBereichTest, VersionZeroReadsAsOrOverVersions) {
  TWochBereich b;
  EXPECT_FALSE(b.GetWocheTagStd(0, 2, 4));
  b.SetWocheTagStd(3, 2, true, 4);
  EXPECT_TRUE(b.GetWocheTagStd(0, 2, 4));
  EXPECT_FALSE(b.GetWocheTagStd(1, 2, 4));
  EXPECT_FALSE(b.GetWocheTagStd(0, 2, 5));
}

TEST_F(WochBereichTest, VersionZeroIgnoresVersionsBeyondActiveCount) {
  TWochBereich b;
  b.SetWocheTagStd(3, 1, true, 1);
  fStandard.fMaxWocheNeu = 2;
  EXPECT_FALSE(b.GetWocheTagStd(0, 1, 1));
  b.SetWocheTagStd(0, 1, true, 2);
  EXPECT_FALSE(b.GetWocheTagStd(3, 1, 2));
}

TEST_F(WochBereichTest, CurrentSelectionFollowsSingleVersionMode) {
  TWochBereich b;
  fStandard.fEineWoche = true;
  fStandard.fAktuelleWoche = 2;
  b.SetWocheTagStd(-1, 1, true, 1);
  EXPECT_EQ(Zellen(b, 1), 0);
  EXPECT_EQ(Zellen(b, 2), 1);
  EXPECT_EQ(Zellen(b, 3), 0);
  b.SetWocheTagStd(1, 4, true, 4);
  EXPECT_FALSE(b.GetWocheTagStd(-1, 4, 4));

  fStandard.fEineWoche = false;
  EXPECT_TRUE(b.GetWocheTagStd(-1, 4, 4));
  b.SetWocheTagStd(-1, 7, true, 16);
  for (int w = 1; w <= 3; ++w) EXPECT_TRUE(b.GetWocheTagStd(w, 7, 16));
}

TEST_F(WochBereichTest, VersionsOutsideTheRangeAreNeverTouched) {
  TWochBereich b;
  b.SetWochenZahl(2);
  b.SetWocheTagStd(3, 1, true, 1);
  b.SetWocheTagStd(0, 1, true, 2);  // fMaxWocheNeu is 3, the range holds 2
  b.SetWocheTag(3, 1, 7);
  b.SetWoche(3, TWoElem{});
  EXPECT_EQ(b.GetWocheTag(3, 1), 0);
  EXPECT_FALSE(b.GetWocheTagStd(3, 1, 1));
  EXPECT_EQ(b.GetWocheTag(1, 1), 2);
  b.SetWochenZahl(3);
  EXPECT_EQ(*b.GetWoche(3), TWoElem{});
}

TEST_F(WochBereichTest, ShrinkDiscardsAndGrowYieldsEmptyVersions) {
  fStandard.fMaxWocheNeu = 4;
  TWochBereich b;
  b.SetWocheTagStd(0, 0, true, 0);
  b.SetWochenZahl(2);
  EXPECT_EQ(b.ZahlWochen(), 2);
  EXPECT_EQ(b.GetWoche(3), nullptr);
  b.SetWochenZahl(4);
  EXPECT_EQ(b.ZahlWochen(), 4);
  EXPECT_EQ(Zellen(b, 1), 7 * 16);
  EXPECT_EQ(Zellen(b, 2), 7 * 16);
  EXPECT_EQ(*b.GetWoche(3), TWoElem{});
  EXPECT_EQ(*b.GetWoche(4), TWoElem{});
}

TEST_F(WochBereichTest, SetWocheCopiesDaysOneToSeven) {
  TWoElem e;
  for (int tag = 1; tag <= 8; ++tag) e.SetTag(tag, tag * 3);
  TWochBereich b;
  b.SetWoche(2, e);
  for (int tag = 1; tag <= 7; ++tag) EXPECT_EQ(b.GetWocheTag(2, tag), tag * 3);
  EXPECT_EQ(b.GetWoche(2)->GetTag(8), 0);
  EXPECT_EQ(*b.GetWoche(1), TWoElem{});
}

TEST_F(WochBereichTest, ReinigeSperrungClearsOnlyOccupiedBlockedCells) {
  TWochBereich besetzung;
  TWochBereich sperrung;
  sperrung.SetWocheTagStd(0, 1, true, 0);
  sperrung.SetWocheTag(2, 2, 0x10003);  // a high bit the cell loop never touches
  besetzung.SetWocheTagStd(1, 1, true, 3);
  besetzung.SetWocheTagStd(3, 1, true, 16);
  besetzung.SetWocheTagStd(2, 2, true, 1);
  besetzung.SetWocheTagStd(2, 5, true, 1);  // occupied but not blocked

  besetzung.ReinigeSperrung(sperrung);
  EXPECT_EQ(sperrung.GetWocheTag(1, 1), 0xFFFB);
  EXPECT_EQ(sperrung.GetWocheTag(2, 1), 0xFFFF);
  EXPECT_EQ(sperrung.GetWocheTag(3, 1), 0x7FFF);
  EXPECT_EQ(sperrung.GetWocheTag(2, 2), 0x10002);
  EXPECT_EQ(sperrung.GetWocheTag(2, 5), 0);
  EXPECT_EQ(besetzung.GetWocheTag(1, 1), 1 << 2);  // the occupancy itself is unchanged
}

TEST_F(WochBereichTest, OrBereichAddsCellsAndKeepsHighBitsOfTarget) {
  TWochBereich ziel;
  TWochBereich quelle;
  ziel.SetWocheTag(1, 1, 0x20001);
  quelle.SetWocheTag(1, 1, 0x40010);
  quelle.SetWocheTagStd(3, 7, true, 9);
  ziel.OrBereich(quelle);
  EXPECT_EQ(ziel.GetWocheTag(1, 1), 0x20011);
  EXPECT_TRUE(ziel.GetWocheTagStd(3, 7, 9));
  EXPECT_EQ(Zellen(ziel, 2), 0);
}

TEST_F(WochBereichTest, OrBereichReadsShorterPartnerAsEmpty) {
  TWochBereich ziel;
  TWochBereich kurz;
  kurz.SetWocheTagStd(0, 0, true, 0);
  kurz.SetWochenZahl(1);
  ziel.OrBereich(kurz);
  EXPECT_EQ(Zellen(ziel, 1), 7 * 16);
  EXPECT_EQ(Zellen(ziel, 2), 0);
  EXPECT_EQ(Zellen(ziel, 3), 0);
}

TEST_F(WochBereichTest, AndOrBereichKeepsCellsSetInEitherPartner) {
  TWochBereich ziel;
  TWochBereich a;
  TWochBereich b;
  ziel.SetWocheTag(2, 4, 0x3000F);
  a.SetWocheTag(2, 4, 0x1);
  b.SetWocheTag(2, 4, 0x4 | 0x10000);
  ziel.SetWocheTagStd(1, 1, true, 1);
  ziel.AndOrBereich(a, b);
  EXPECT_EQ(ziel.GetWocheTag(2, 4), 0x30005);  // bits 16..31 are no cells and stay
  EXPECT_EQ(ziel.GetWocheTag(1, 1), 0);
}

TEST_F(WochBereichTest, GleichBereichComparesActiveDaysOnly) {
  fStandard.fMaxTageNeu = 5;
  TWochBereich b;
  EXPECT_TRUE(b.GleichBereich());
  b.SetWocheTagStd(2, 6, true, 1);
  b.SetWocheTagStd(3, 7, true, 2);
  EXPECT_TRUE(b.GleichBereich());
  b.SetWocheTag(3, 5, 0x10000);  // whole words count, high bits included
  EXPECT_FALSE(b.GleichBereich());
  fStandard.fMaxTageNeu = 4;
  EXPECT_TRUE(b.GleichBereich());
  fStandard.fMaxTageNeu = 7;
  b.SetWocheTag(3, 5, 0);
  EXPECT_FALSE(b.GleichBereich());
}

TEST_F(WochBereichTest, SingleVersionIsAlwaysEqual) {
  fStandard.fMaxWocheNeu = 1;
  TWochBereich b;
  b.SetWocheTagStd(1, 1, true, 1);
  EXPECT_TRUE(b.GleichBereich());
}

}  // namespace
}  // namespace orbato
