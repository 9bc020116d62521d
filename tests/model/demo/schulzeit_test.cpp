#include "model/demo/schulzeit.h"

#include <gtest/gtest.h>

#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"

namespace orbato {
namespace {

class SchulzeitTest : public ::testing::Test {
 protected:
  SchulzeitTest() { fStandard.fMaxWocheNeu = 2; }

  TSchulzeit Zeit(int32_t plnStd, int32_t maxTage) {
    fStandard.fPlnStd = plnStd;
    fStandard.fMaxTageNeu = maxTage;
    return TSchulzeit::Aus(fStandard);
  }

  TStandard fStandard;
  TStandardEinsetzen fStandardEinsetzen{fStandard};
  TSchule fSchule;
  TSchuleEinsetzen fSchuleEinsetzen{fSchule};
};

// The weekend that the seven-day week only shows is no school day; a six-day week teaches on
// Saturday.
TEST_F(SchulzeitTest, TeachesOnTheDaysTheSettingsGive) {
  const auto paar = [](TSchulzeit z) { return std::make_pair(z.tage, z.stunden); };
  EXPECT_EQ(paar(Zeit(6, 7)), std::make_pair(5, 6));
  EXPECT_EQ(paar(Zeit(8, 5)), std::make_pair(5, 8));
  EXPECT_EQ(paar(Zeit(5, 6)), std::make_pair(6, 5));
  EXPECT_EQ(paar(Zeit(0, 7)), std::make_pair(5, 1));
  EXPECT_EQ(paar(Zeit(20, 7)), std::make_pair(5, 16));
  EXPECT_TRUE(Zeit(6, 7).Umfasst(5, 6));
  EXPECT_FALSE(Zeit(6, 7).Umfasst(6, 1));
  EXPECT_FALSE(Zeit(6, 7).Umfasst(1, 7));
}

// A template blocking from the settings counts as well; the version with fewest free cells
// decides.
TEST_F(SchulzeitTest, BlocksOutsideAndCountsTheFreeCells) {
  fStandard.fGrWoElem.SetTagStd(1, 1, true);
  TRaum raum;
  const TSchulzeit zeit = Zeit(6, 7);
  SperreAusserhalb(raum, zeit);
  for (int32_t w = 1; w <= 2; ++w) {
    EXPECT_EQ(raum.fSperrung.GetWocheTag(w, 1), static_cast<int32_t>(0xFFC1));
    for (int32_t tag = 2; tag <= 5; ++tag) {
      EXPECT_EQ(raum.fSperrung.GetWocheTag(w, tag), static_cast<int32_t>(0xFFC0));
    }
    EXPECT_EQ(raum.fSperrung.GetWocheTag(w, 6), 0xFFFF);
    EXPECT_EQ(raum.fSperrung.GetWocheTag(w, 7), 0xFFFF);
  }
  EXPECT_EQ(FreieZellen(raum, zeit), 29);
  EXPECT_EQ(Platz(raum, zeit), 26);
  raum.fSperrung.SetWocheTagStd(2, 3, true, 2);
  raum.fSperrung.SetWocheTagStd(2, 3, true, 3);
  raum.fSperrung.SetWocheTagStd(1, 4, true, 2);
  EXPECT_EQ(FreieZellen(raum, zeit), 27);
  EXPECT_EQ(Platz(raum, zeit), 24);
}

}  // namespace
}  // namespace orbato
