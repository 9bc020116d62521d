#include "model/fenster/fensterarten.h"

#include <gtest/gtest.h>

#include "model/schulfixture.h"

namespace orbato {
namespace {

class FensterartenTest : public SchulTest {};

TFenster Satz(int art, const char* titel, int links = 0, int oben = 0, int breite = 0,
              int hoehe = 0) {
  TFenster s;
  s.fArt = art;
  s.fTitel = titel;
  s.fLinks = links;
  s.fOben = oben;
  s.fBreite = breite;
  s.fHoehe = hoehe;
  return s;
}

TEST_F(FensterartenTest, FindsTheElementByTheTitleAfterTheFirstBlank) {
  TLehrer* mei = fSchule.HoleLehrer("MEI");
  TKlasse* klasse = fSchule.HoleKlasse("5 a");
  fSchule.HoleRaum("R1");
  EXPECT_EQ(FensterElement(fSchule, Satz(9, "Lehrer MEI")), mei);
  EXPECT_EQ(FensterElement(fSchule, Satz(61, "Lehrer MEI")), mei);
  // Only the first blank separates: a short name may hold blanks of its own.
  EXPECT_EQ(FensterElement(fSchule, Satz(17, "Klasse 5 a")), klasse);
  // Compared exactly, and with the kind's list only.
  EXPECT_EQ(FensterElement(fSchule, Satz(9, "Lehrer mei")), nullptr);
  EXPECT_EQ(FensterElement(fSchule, Satz(10, "Klasse MEI")), nullptr);
  EXPECT_EQ(FensterElement(fSchule, Satz(11, "Raum R1")), fSchule.fRaumMenge.ListeNrInhalt(1));
  EXPECT_EQ(FensterElement(fSchule, Satz(21, "alle Kurse")), nullptr);
  // A teaching-load window is saved with its sums.
  EXPECT_EQ(FensterElement(fSchule, Satz(16, "Deputat MEI [ 2.0/24.0]")), mei);
  EXPECT_EQ(FensterElement(fSchule, Satz(9, "Plan MEI [ 2.0/24.0]")), nullptr);
}

TEST_F(FensterartenTest, KnowsThePaletteGroupAndWhatIsReopened) {
  EXPECT_EQ(FensterPaletteArt(61), 0);
  EXPECT_EQ(FensterPaletteArt(66), 0);
  EXPECT_EQ(FensterPaletteArt(16), 1);
  EXPECT_EQ(FensterPaletteArt(21), 1);
  EXPECT_EQ(FensterPaletteArt(9), 2);
  EXPECT_EQ(FensterPaletteArt(12), 2);
  EXPECT_EQ(FensterPaletteArt(69), std::nullopt);
  std::vector<int> wieder;
  for (int art = 0; art <= 90; ++art) {
    if (FensterWiederOeffnen(art)) wieder.push_back(art);
  }
  EXPECT_EQ(wieder, (std::vector<int>{9,  10, 11, 12, 16, 17, 18, 19, 20, 21, 22, 31, 32, 33,
                                      61, 62, 63, 64, 65, 66, 69, 71, 72, 73, 74, 75, 76, 77}));
}

TEST_F(FensterartenTest, OffersTheToolsThatDoSomethingInTheWindow) {
  const auto erlaubt = [](int art) {
    std::string s;
    for (int werkzeug = 0; werkzeug <= 4; ++werkzeug)
      s += WerkzeugErlaubt(art, werkzeug) ? '1' : '0';
    return s;
  };
  EXPECT_EQ(erlaubt(0), "11111");
  EXPECT_EQ(erlaubt(10), "11111");
  EXPECT_EQ(erlaubt(21), "11110");
  EXPECT_EQ(erlaubt(22), "11111");
  EXPECT_EQ(erlaubt(32), "11111");
  EXPECT_EQ(erlaubt(62), "11100");
  EXPECT_EQ(erlaubt(68), "11111");
  EXPECT_EQ(erlaubt(69), "10100");
}

// A work area of 1000 by 700: the place is kept with 200 pixels to spare, the size only when
// it is smaller than the window as it opened.
TEST_F(FensterartenTest, PlacesAReopenedWindowWhereItFits) {
  const TFensterRahmen geoeffnet{10, 10, 400, 300};
  const TFensterRahmen flaeche{0, 0, 1000, 700};
  EXPECT_EQ(FensterRahmen(Satz(9, "", 800, 500, 300, 200), geoeffnet, flaeche),
            (TFensterRahmen{800, 500, 300, 200}));
  EXPECT_EQ(FensterRahmen(Satz(9, "", 801, 501, 500, 400), geoeffnet, flaeche),
            (TFensterRahmen{10, 10, 400, 300}));
  EXPECT_EQ(FensterRahmen(Satz(9, "", 20, 30, 0, -5), geoeffnet, flaeche),
            (TFensterRahmen{20, 30, 400, 300}));
}

}  // namespace
}  // namespace orbato
