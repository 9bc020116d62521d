#include "model/einstellungen/schulwoche.h"

#include <gtest/gtest.h>

#include "model/einstellungen/standard.h"

namespace orbato {
namespace {

// Days and periods shown, and every plan and overview printout on exactly that week without a
// remark line; the other printouts keep their defaults.
TEST(Schulwoche, ShowsAndPrintsTheWeekChosen) {
  TStandard s;
  ASSERT_EQ(s.fMaxTageNeu, 7);
  ASSERT_EQ(s.fLPlnDruck.Bem, "Bemerkung");
  SchulwocheEinrichten(s, 6, 7);
  EXPECT_EQ(s.fMaxTageNeu, 6);
  EXPECT_EQ(s.fPlnStd, 7);
  for (const TDruckEinstellung* d :
       {&s.fLPlnDruck, &s.fKPlnDruck, &s.fRPlnDruck, &s.fKoKlPlnDruck, &s.fKoLePlnDruck,
        &s.fLUebDruck, &s.fKUebDruck, &s.fRUebDruck, &s.fKoUebDruck}) {
    EXPECT_EQ(d->VonTag, 1);
    EXPECT_EQ(d->BisTag, 6);
    EXPECT_EQ(d->VonStd, 1);
    EXPECT_EQ(d->BisStd, 7);
    EXPECT_EQ(d->Bem, "");
  }
  const TStandard vorher;
  EXPECT_EQ(s.fFUebDruck, vorher.fFUebDruck);
  EXPECT_EQ(s.fDepDruck, vorher.fDepDruck);
}

TEST(Schulwoche, ValuesOutsideTheRangesAreClamped) {
  TStandard s;
  SchulwocheEinrichten(s, 3, 40);
  EXPECT_EQ(s.fMaxTageNeu, 5);
  EXPECT_EQ(s.fPlnStd, 16);
  EXPECT_EQ(s.fKPlnDruck.BisTag, 5);
  EXPECT_EQ(s.fKPlnDruck.BisStd, 16);
}

}  // namespace
}  // namespace orbato
