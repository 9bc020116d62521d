#include "persist/standardspeicher.h"

#include <gtest/gtest.h>

#include "model/zeichensatz.h"

namespace orbato {
namespace {

// A settings object loaded from a store holding the given values.
TStandard Geladen(TEinstellungenImSpeicher& speicher) {
  TStandard s;
  LoadStandard(s, speicher);
  return s;
}

std::string Gespeichert(const TStandard& s, const std::string& schluessel,
                        const std::string& name) {
  TEinstellungenImSpeicher speicher;
  SaveStandard(s, speicher);
  speicher.OeffneSchluessel(schluessel);
  EXPECT_TRUE(speicher.HatWert(name)) << schluessel << "/" << name;
  return speicher.LiesWert(name);
}

TEST(Standardspeicher, EmptyStoreGivesTheDefaultsOfAFreshUser) {
  TEinstellungenImSpeicher leer;
  const TStandard s = Geladen(leer);
  EXPECT_TRUE(s.fEineWoche);
  EXPECT_EQ(s.fMaxWocheNeu, 1);
  EXPECT_EQ(s.fMaxTageNeu, 7);
  EXPECT_EQ(s.fVertrMerke, 10);
  EXPECT_TRUE(s.fHintergrundAn);
  EXPECT_EQ(s.fHintergrundFarbe, 16777215);
  EXPECT_EQ(s.fKursFarbe, 16777215);
  EXPECT_EQ(s.fStdBez[0][0], " 1");
  EXPECT_EQ(s.fStdBez[53][8], " 9");
  EXPECT_EQ(s.fStdBez[53][9], "10");
  EXPECT_EQ(s.fStdBez[0][15], "16");
  EXPECT_EQ(s.fTagBez[6], "So");
  EXPECT_EQ(s.fTagName[3], "Donnerstag");
  EXPECT_EQ(s.fPlnHoehe, 18);
  EXPECT_EQ(s.fDepHoehe, 18);
  EXPECT_EQ(s.fAuTab, TStandard::EingebauteTabellen());
}

}  // namespace
}  // namespace orbato
