#include "model/elemente/lehrer.h"

#include <gtest/gtest.h>

#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"

namespace orbato {
namespace {

class SollElementTest : public ::testing::Test {
 protected:
  SollElementTest() : fStandardEinsetzen(fStandard), fSchuleEinsetzen(fSchule) {
    fStandard.fMaxWocheNeu = 3;
    fStandard.fEineWoche = false;
    fStandard.fLeSoll = 26;
  }

  TStandard fStandard;
  TStandardEinsetzen fStandardEinsetzen;
  TSchule fSchule;
  TSchuleEinsetzen fSchuleEinsetzen;
};

TEST_F(SollElementTest, NewElementTakesDefaultsInEveryVersion) {
  fStandard.fGrWoElem.SetTag(1, 0x3);
  fStandard.fGrWoElem.SetTag(5, 0x8000);
  TLehrer e;
  EXPECT_EQ(e.fSoll.ZahlWochen(), 3);
  EXPECT_EQ(e.fSperrung.ZahlWochen(), 3);
  EXPECT_EQ(e.fBesetzung.ZahlWochen(), 3);
  for (int w = 1; w <= 3; ++w) {
    EXPECT_EQ(e.GetSoll(w), 26);
    EXPECT_EQ(*e.fSperrung.GetWoche(w), fStandard.fGrWoElem);
    EXPECT_EQ(*e.fBesetzung.GetWoche(w), TWoElem{});
  }
  EXPECT_EQ(e.GetSoll(0), 78);
  EXPECT_FALSE(fSchule.IsDirty());  // creating a record is no change by itself
}

TEST_F(SollElementTest, SetSollClampsAndMarksDocumentChanged) {
  TLehrer e;
  e.SetSoll(1, -3);
  EXPECT_EQ(e.GetSoll(1), 0);
  EXPECT_TRUE(fSchule.IsDirty());
  fStandard.fDivisor = 2;
  e.SetSoll(2, 450);
  EXPECT_EQ(e.GetSoll(2), 400);
  e.SetSoll(3, 400);
  EXPECT_EQ(e.GetSoll(3), 400);
  e.SetSoll(0, 17);
  EXPECT_EQ(e.GetSoll(0), 51);
}

TEST_F(SollElementTest, KopiereSollInSingleVersionModeChangesCurrentVersionOnly) {
  fStandard.fEineWoche = true;
  fStandard.fAktuelleWoche = 3;
  TLehrer e;
  e.KopiereSoll(10);
  EXPECT_EQ(e.GetSoll(1), 26);
  EXPECT_EQ(e.GetSoll(2), 26);
  EXPECT_EQ(e.GetSoll(3), 10);
  EXPECT_EQ(e.GetSoll(-1), 10);
  EXPECT_TRUE(fSchule.IsDirty());
}

TEST_F(SollElementTest, KopiereSollOtherwiseChangesEveryVersionClamped) {
  TLehrer e;
  e.KopiereSoll(500);
  for (int w = 1; w <= 3; ++w) EXPECT_EQ(e.GetSoll(w), 200);
  EXPECT_EQ(e.GetSoll(-1), 600);
}

}  // namespace
}  // namespace orbato
