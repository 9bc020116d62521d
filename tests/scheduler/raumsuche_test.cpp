#include "scheduler/raumsuche.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "scheduler/automatikfixture.h"

namespace orbato {
namespace {

using ::testing::ElementsAre;
using RaumsucheTest = AutomatikTest;

TEST_F(RaumsucheTest, TakesTheFirstAssignmentInCourseAndListOrder) {
  TKurs* a = Kurs(fMue, f5a, 1);
  TKurs* b = Kurs(fSch, f5b, 1);
  TKurs* ohne = Kurs(fSch, f5a, 1);
  a->RaumErgaenzen(fR1, false);
  a->RaumErgaenzen(fR2, false);
  b->RaumErgaenzen(fR1, false);
  // b can only have R1, so a steps back to R2; the course without rooms takes none.
  const auto wahl = VerschiedeneRaeume({a, ohne, b}, 1, 1, 1);
  ASSERT_TRUE(wahl.has_value());
  EXPECT_THAT(*wahl, ElementsAre(fR2, nullptr, fR1));
}

TEST_F(RaumsucheTest, NoAssignmentWhenTwoCoursesShareTheirOnlyFreeRoom) {
  TKurs* a = Kurs(fMue, f5a, 1);
  TKurs* b = Kurs(fSch, f5b, 1);
  for (TKurs* k : {a, b}) {
    k->RaumErgaenzen(fR1, false);
    k->RaumErgaenzen(fR2, false);
  }
  fR2->fBesetzung.SetWocheTagStd(1, 1, true, 1);
  EXPECT_FALSE(VerschiedeneRaeume({a, b}, 1, 1, 1).has_value());
  EXPECT_TRUE(VerschiedeneRaeume({a, b}, 1, 1, 2).has_value());
  fR1->fSperrung.SetWocheTagStd(1, 1, true, 2);
  EXPECT_FALSE(VerschiedeneRaeume({a, b}, 1, 1, 2).has_value());
}

TEST_F(RaumsucheTest, ALargeCouplingWithTooFewRoomsIsRefusedAtOnce) {
  // Twenty courses sharing nineteen rooms: without pruning the search would try every
  // arrangement of the rooms before giving up.
  std::vector<TKurs*> kurse;
  std::vector<TRaum*> raeume;
  for (int i = 0; i < 19; ++i) raeume.push_back(fSchule.HoleRaum("S" + std::to_string(i)));
  for (int i = 0; i < 20; ++i) {
    TKurs* k = Kurs(fSchule.HoleLehrer("L" + std::to_string(i)), f5a, 1);
    for (TRaum* r : raeume) k->RaumErgaenzen(r, false);
    kurse.push_back(k);
  }
  EXPECT_FALSE(VerschiedeneRaeume(kurse, 1, 1, 1).has_value());
  kurse.pop_back();
  const auto wahl = VerschiedeneRaeume(kurse, 1, 1, 1);
  ASSERT_TRUE(wahl.has_value());
  EXPECT_EQ((*wahl)[0], raeume[0]);
  EXPECT_EQ((*wahl)[18], raeume[18]);
}

}  // namespace
}  // namespace orbato
