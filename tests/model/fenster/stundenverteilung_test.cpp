#include "model/fenster/stundenverteilung.h"

#include <string>
#include <vector>

#include "model/schulfixture.h"

namespace orbato {
namespace {

class StundenverteilungTest : public SchulTest {
 protected:
  void SetUp() override {
    fStandard.fMaxTageNeu = 5;
    fStandard.fPlnStd = 6;
  }
};

TEST_F(StundenverteilungTest, GlyphsOfEveryCode) {
  EXPECT_EQ(SVGlyphe('E'), (TSVGlyphe{TSVFigur::Kreis, false, 0x000000}));
  EXPECT_EQ(SVGlyphe('K'), (TSVGlyphe{TSVFigur::Kreis, true, 0x000000}));
  EXPECT_EQ(SVGlyphe('G'), (TSVGlyphe{TSVFigur::Quadrat, false, 0x000000}));
  EXPECT_EQ(SVGlyphe('L'), (TSVGlyphe{TSVFigur::Quadrat, true, 0x000000}));
  // Olive is red 128, green 128, blue 0; the model keeps red in the low byte.
  EXPECT_EQ(SVGlyphe('S'), (TSVGlyphe{TSVFigur::Quadrat, true, 0x008080}));
  EXPECT_EQ(SVGlyphe('F'), (TSVGlyphe{TSVFigur::Strich, true, 0x000000}));
  EXPECT_EQ(SVGlyphe('U'), (TSVGlyphe{TSVFigur::Strich, true, 0x0000FF}));
}

TEST_F(StundenverteilungTest, HeadersAndDayWidthFollowTheWeek) {
  EXPECT_EQ(SVKoepfe(fStandard),
            (std::vector<std::string>{"K\xFCrzel", "Mo", "Di", "Mi", "Do", "Fr", "Sprstd."}));
  EXPECT_EQ(SVTagBreite(fStandard), 6 * 7 + 3);
  fStandard.fMaxTageNeu = 6;
  fStandard.fPlnStd = 8;
  EXPECT_EQ(SVKoepfe(fStandard).size(), std::size_t{8});
  EXPECT_EQ(SVKoepfe(fStandard)[6], "Sa");
  EXPECT_EQ(SVTagBreite(fStandard), 59);
}

// Lessons in periods 1 and 4 of Monday, nothing blocked: the two periods between are gaps.
TEST_F(StundenverteilungTest, TwoGapsBetweenMondayLessons) {
  TLehrer* a = fSchule.HoleLehrer("A");
  TKurs* k = Kurs(a, nullptr, 2);
  Setze(k, 1, 1, 1);
  Setze(k, 1, 1, 4);
  const TSVZeile zeile = SVZeileVon(fStandard, *a);
  EXPECT_EQ(zeile, (TSVZeile{"A", {"EUUEFF", "FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF"}, 2}));
}

// A blocked period between lessons is no gap; fixed and coupled lessons have their own codes;
// lessons in another plan version do not show.
TEST_F(StundenverteilungTest, BlockedFixedCoupledAndOtherVersion) {
  fStandard.SetMaxWocheNeu(2);
  TKlasse* c = fSchule.HoleKlasse("5a");
  TKurs* einzeln = Kurs(fSchule.HoleLehrer("A"), c, 3);
  TKurs* gekoppelt =
      Kurs(fSchule.HoleLehrer("B"), c, 2, nullptr, nullptr, fSchule.HoleKopplung("K1"));
  Setze(einzeln, 1, 2, 1)->fFixiert = true;
  c->fSperrung.SetWocheTagStd(1, 2, true, 2);
  Setze(gekoppelt, 1, 2, 3);
  Setze(gekoppelt, 1, 2, 6)->fFixiert = true;
  Setze(einzeln, 2, 3, 1);
  Setze(einzeln, 2, 3, 3);
  EXPECT_EQ(SVZeileVon(fStandard, *c),
            (TSVZeile{"5a", {"FFFFFF", "GSKUUL", "FFFFFF", "FFFFFF", "FFFFFF"}, 2}));
  fStandard.fAktuelleWoche = 2;
  EXPECT_EQ(SVZeileVon(fStandard, *c),
            (TSVZeile{"5a", {"FFFFFF", "FFFFFF", "EUEFFF", "FFFFFF", "FFFFFF"}, 1}));
}

// A room shows only the lessons held in it; the rows follow the document's order.
TEST_F(StundenverteilungTest, RoomsShowTheirOwnLessons) {
  TRaum* r1 = fSchule.HoleRaum("R1");
  TRaum* r2 = fSchule.HoleRaum("R2");
  fSchule.HoleLehrer("B");
  TLehrer* a = fSchule.HoleLehrer("A");
  TKurs* k = Kurs(a, nullptr, 3, r1);
  k->RaumErgaenzen(r2, false);
  Setze(k, 1, 1, 1, r1);
  Setze(k, 1, 1, 2, r2);
  Setze(k, 1, 1, 3, r1);
  const std::vector<TSVZeile> raeume = SVZeilen(fSchule, fStandard, rau);
  ASSERT_EQ(raeume.size(), std::size_t{2});
  EXPECT_EQ(raeume[0].fTage[0], "EUEFFF");
  EXPECT_EQ(raeume[0].fSprStd, 1);
  EXPECT_EQ(raeume[1].fTage[0], "FEFFFF");
  EXPECT_EQ(raeume[1].fSprStd, 0);
  const std::vector<TSVZeile> lehrer = SVZeilen(fSchule, fStandard, leh);
  ASSERT_EQ(lehrer.size(), std::size_t{2});
  EXPECT_EQ(lehrer[0].fKuerzel, "B");
  EXPECT_EQ(lehrer[1].fTage[0], "EEEFFF");
  EXPECT_EQ(SVElement(fSchule, leh, 1), a);
  EXPECT_EQ(SVElement(fSchule, rau, 1), r2);
  EXPECT_EQ(SVElement(fSchule, rau, 2), nullptr);
  EXPECT_EQ(SVElement(fSchule, kla, 0), nullptr);
  EXPECT_TRUE(SVZeilen(fSchule, fStandard, fac).empty());
}

// The window's settings give the days and periods, whatever the installed ones say.
TEST_F(StundenverteilungTest, TheWeekIsThatOfTheSettingsHanded) {
  TStandard eigene;
  eigene.fMaxTageNeu = 2;
  eigene.fPlnStd = 4;
  EXPECT_EQ(SVKoepfe(eigene), (std::vector<std::string>{"K\xFCrzel", "Mo", "Di", "Sprstd."}));
  EXPECT_EQ(SVTagBreite(eigene), 4 * 7 + 3);
}

}  // namespace
}  // namespace orbato
