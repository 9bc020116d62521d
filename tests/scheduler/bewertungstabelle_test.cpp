#include "scheduler/bewertungstabelle.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orbato {
namespace {

using ::testing::ElementsAre;

// The entries of one period, Monday to Sunday.
std::vector<int32_t> Periode(const TBewertungsTabelle& t, int32_t std) {
  return {t[std - 1].begin(), t[std - 1].end()};
}

// The entries of one day, periods 1 to 16.
std::vector<int32_t> Tag(const TBewertungsTabelle& t, int32_t tag) {
  std::vector<int32_t> werte;
  for (const auto& zeile : t) werte.push_back(zeile[tag - 1]);
  return werte;
}

TEST(BewertungsTabelle, ALinkIsTheSignOfTheUpperCellAndTogglesBackAndForth) {
  TBewertungsTabelle t = StandardTabelle(TStandardTabelle::VormittagsZuerst);
  EXPECT_TRUE(MitNaechsterVerbunden(t, 3, 1));
  EXPECT_FALSE(MitNaechsterVerbunden(t, 3, 2));
  EXPECT_TRUE(VerbindungUmschalten(t, 3, 2));
  EXPECT_EQ(t[1][2], -10);
  EXPECT_EQ(Rang(t, 3, 2), 10);
  EXPECT_TRUE(MitNaechsterVerbunden(t, 3, 2));
  EXPECT_TRUE(VerbindungUmschalten(t, 3, 2));
  EXPECT_EQ(t[1][2], 10);
  // The last period has no next one; cells outside the table change nothing.
  t[15][0] = -106;
  EXPECT_FALSE(MitNaechsterVerbunden(t, 1, 16));
  EXPECT_FALSE(VerbindungUmschalten(t, 1, 16));
  EXPECT_FALSE(VerbindungUmschalten(t, 8, 1));
  EXPECT_FALSE(VerbindungUmschalten(t, 1, 0));
  EXPECT_EQ(t[15][0], -106);
}

TEST(BewertungsTabelle, SwappingRanksLeavesEachCellItsOwnLink) {
  TBewertungsTabelle t = StandardTabelle(TStandardTabelle::VormittagsZuerst);
  // Monday 1 (rank 1, linked) and Wednesday 2 (rank 10, not linked).
  RaengeTauschen(t, 1, 1, 3, 2);
  EXPECT_EQ(t[0][0], -10);
  EXPECT_EQ(t[1][2], 1);
  EXPECT_TRUE(IstRangfolge(t));
  RaengeTauschen(t, 3, 2, 3, 2);
  EXPECT_EQ(t[1][2], 1);
  RaengeTauschen(t, 3, 2, 0, 1);
  EXPECT_EQ(t[1][2], 1);
}

TEST(BewertungsTabelle, MorningsFirstGoesPeriodByPeriodWithTheDoublePeriodsLinked) {
  const TBewertungsTabelle t = StandardTabelle(TStandardTabelle::VormittagsZuerst);
  EXPECT_THAT(Periode(t, 1), ElementsAre(-1, -2, -3, -4, -5, -6, -7));
  EXPECT_THAT(Periode(t, 2), ElementsAre(8, 9, 10, 11, 12, 13, 14));
  EXPECT_THAT(Periode(t, 15), ElementsAre(-99, -100, -101, -102, -103, -104, -105));
  EXPECT_THAT(Periode(t, 16), ElementsAre(106, 107, 108, 109, 110, 111, 112));
  EXPECT_TRUE(IstRangfolge(t));
}

TEST(BewertungsTabelle, BlockFriendlyLinksEveryPeriodWithTheNext) {
  const TBewertungsTabelle t = StandardTabelle(TStandardTabelle::Blockfreundlich);
  EXPECT_THAT(Tag(t, 2), ElementsAre(-2, -9, -16, -23, -30, -37, -44, -51, -58, -65, -72, -79, -86,
                                     -93, -100, 107));
  EXPECT_TRUE(IstRangfolge(t));
}

TEST(BewertungsTabelle, AfternoonsLastRanksTheMorningsDayByDayBeforeAnyAfternoon) {
  const TBewertungsTabelle t = StandardTabelle(TStandardTabelle::NachmittagsZuletzt);
  EXPECT_THAT(Tag(t, 1),
              ElementsAre(-1, 2, -3, 4, -5, 6, -43, 50, -57, 64, -71, 78, -85, 92, -99, 106));
  EXPECT_THAT(Periode(t, 1), ElementsAre(-1, -7, -13, -19, -25, -31, -37));
  EXPECT_THAT(Periode(t, 7), ElementsAre(-43, -44, -45, -46, -47, -48, -49));
  EXPECT_TRUE(IstRangfolge(t));
}

TEST(BewertungsTabelle, AGapOrATwiceUsedRankIsNoRankOrder) {
  TBewertungsTabelle t = StandardTabelle(TStandardTabelle::VormittagsZuerst);
  t[0][1] = -1;
  EXPECT_FALSE(IstRangfolge(t));
  t[0][1] = 113;
  EXPECT_FALSE(IstRangfolge(t));
  t[0][1] = 0;
  EXPECT_FALSE(IstRangfolge(t));
  for (const auto& tabelle : TStandard::EingebauteTabellen()) EXPECT_TRUE(IstRangfolge(tabelle));
}

TEST(BewertungsTabelle, TheMenuOffersTheStandardTablesThenTheFourBuiltInOnes) {
  TBewertungsTabelle gewaehlt{};
  TMenu menu = StandardTabellenMenu([&](const TBewertungsTabelle& t) { gewaehlt = t; });
  std::vector<std::string> texte;
  for (const TMenuEintrag& e : menu) texte.push_back(e.fTrennlinie ? "-" : e.fText);
  EXPECT_THAT(texte, ElementsAre("Vormittags zuerst", "Blockfreundlich", "Nachmittags zuletzt", "-",
                                 "Eingebaute Tabelle 1", "Eingebaute Tabelle 2",
                                 "Eingebaute Tabelle 3", "Eingebaute Tabelle 4"));
  ASSERT_TRUE(WaehleEintrag(menu, "Eingebaute Tabelle 2"));
  EXPECT_EQ(gewaehlt, TStandard::EingebauteTabellen()[1]);
  ASSERT_TRUE(WaehleEintrag(menu, "Blockfreundlich"));
  EXPECT_EQ(gewaehlt, StandardTabelle(TStandardTabelle::Blockfreundlich));
}

}  // namespace
}  // namespace orbato
