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

// One line per kind: number, caption, element kind, palette button, reopened, tools 0 … 4,
// "Kopieren", course commands.
std::string Zeile(const TFensterTypDaten& d) {
  const char* const elemente[] = {"leh", "kla", "kop", "fac", "rau", "uvt", "kur"};
  std::string z = std::to_string(Nr(d.fTyp)) + " " + (d.fTitel ? d.fTitel : "-") + " | ";
  z += d.fElementArt ? elemente[*d.fElementArt] : "-";
  z += d.fPaletteArt ? std::string(1, "GDP"[*d.fPaletteArt]) : "-";
  z += d.fWiederOeffnen ? " w " : " - ";
  for (int werkzeug = 0; werkzeug <= 4; ++werkzeug) z += (d.fWerkzeuge >> werkzeug) & 1 ? '1' : '0';
  z += d.fKopieren ? " k" : " -";
  z += d.fKursBefehle ? "u" : "-";
  return z;
}

TEST_F(FensterartenTest, TableOfKindsKeepsTheNumbersOfThePlanFile) {
  std::vector<std::string> zeilen;
  for (const TFensterTypDaten& d : kFensterTypen) zeilen.push_back(Zeile(d));
  EXPECT_EQ(zeilen, (std::vector<std::string>{
                        "0 - | -- - 11111 --",
                        "9 - | lehP w 11111 k-",
                        "10 - | klaP w 11111 k-",
                        "11 - | rauP w 11111 k-",
                        "12 - | uvtP w 10000 ku",
                        "14 Zwischenablage | -- - 10000 --",
                        "15 Fehler | -- - 10000 --",
                        "16 - | lehD w 11110 ku",
                        "17 - | klaD w 11110 ku",
                        "18 - | kopD w 11110 ku",
                        "19 - | facD w 11110 ku",
                        "20 - | rauD w 11110 ku",
                        "21 alle Kurse | -D w 11110 ku",
                        "22 Parallele Kopplungen | -- w 11111 k-",
                        "31 \xDC"
                        "bersicht f\xFCr Lehrer | -P w 11111 k-",
                        "32 \xDC"
                        "bersicht f\xFCr Klassen | -P w 11111 k-",
                        "33 \xDC"
                        "bersicht f\xFCr R\xE4ume | -P w 11111 k-",
                        "61 - | lehG w 11100 --",
                        "62 - | klaG w 11100 --",
                        "63 - | kopG w 11100 --",
                        "64 - | facG w 11100 --",
                        "65 - | rauG w 11100 --",
                        "66 - | uvtG w 11100 --",
                        "67 Kurs | -- - 11110 k-",
                        "68 Manuell | -- - 11111 --",
                        "69 Vertretungen | -- w 10100 --",
                        "70 Vertretene Stunden | -- - 10000 --",
                        "71 Stundenverteilung | -- w 10000 --",
                        "72 Lehrerstatistik | -- w 10000 k-",
                        "73 Klassenstatistik | -- w 10000 k-",
                        "74 Fachstatistik | -- w 10000 k-",
                        "75 Kopplungsstatistik | -- w 10000 k-",
                        "76 Raumstatistik | -- w 10000 k-",
                        "77 UV-Statistik | -- w 10000 k-",
                        "80 Vertretungswahl | -- - 10000 --",
                        "81 Vertretungs\xFC"
                        "bersicht f\xFCr Lehrer | -- - 10000 k-",
                        "82 Vertretungs\xFC"
                        "bersicht f\xFCr Klassen | -- - 10000 k-",
                        "83 w\xF6"
                        "chentlicher Unterrichtsausfall | -- - 10000 --",
                        "90 Planqualit\xE4t | -- - 10000 k-",
                    }));
  // A number of no kind, as a damaged file may hold.
  EXPECT_EQ(Zeile(FensterTypDaten(13)), "0 - | -- - 10000 --");
  EXPECT_EQ(Zeile(FensterTypDaten(-1)), "0 - | -- - 10000 --");
  EXPECT_EQ(FensterTypTitel(TFensterTyp::Kurs), "Kurs");
  EXPECT_EQ(FensterTypTitel(TFensterTyp::LehrerPlan), "");
}

TEST_F(FensterartenTest, OpensTheElementWindowOfThePaletteButton) {
  const auto typen = [](TFensterArt gruppe) {
    std::vector<int> nr;
    for (TKuerzelArt art : {leh, kla, kop, fac, rau, uvt})
      nr.push_back(Nr(ElementFensterTyp(art, gruppe)));
    return nr;
  };
  EXPECT_EQ(typen(GFenster), (std::vector<int>{61, 62, 63, 64, 65, 66}));
  EXPECT_EQ(typen(DFenster), (std::vector<int>{16, 17, 18, 19, 20, 12}));
  // Couplings and subjects have no plan; a table's matrix is its plan.
  EXPECT_EQ(typen(PFenster), (std::vector<int>{9, 10, 18, 19, 11, 12}));
  EXPECT_EQ(ElementFensterTyp(kur, DFenster), TFensterTyp::KeinFenster);
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
