#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "app/kommandolauf.h"
#include "app/orbato/plankommandos.h"
#include "model/dokument/schule.h"
#include "model/elemente/klasse.h"
#include "model/elemente/lehrer.h"
#include "model/kurse/kurs.h"
#include "model/kurse/setzung.h"
#include "testordner.h"

namespace orbato {
namespace {

class OptimierKommandoTest : public ::testing::Test {
 protected:
  // Three teachers each give 5a one lesson on Monday, in periods 1, 2 and 4: one gap.
  OptimierKommandoTest() {
    TStandard standard;
    TStandardEinsetzen standardEingesetzt(standard);
    TSchule schule;
    TSchuleEinsetzen schuleEingesetzt(schule);
    TKlasse* klasse = schule.HoleKlasse("5a");
    for (const auto& [lehrer, std] : {std::pair{"A", 1}, {"B", 2}, {"C", 4}}) {
      auto* kurs = new TKurs;
      kurs->IKurs(schule.HoleLehrer(lehrer), klasse, 1, nullptr, nullptr, nullptr);
      kurs->SetzungAufnehmen(new TSetzung(1, 1, std, nullptr));
    }
    Sichere(schule, fEin);
  }
  std::string Gewichte(const std::string& text) const {
    const std::string pfad = (fOrdner / "gewichte.ini").string();
    std::ofstream(pfad) << text;
    return pfad;
  }

  TTestOrdner fOrdner{"optimieren"};
  const std::string fEin = (fOrdner / "ein.orb").string();
  const std::string fAus = (fOrdner / "aus.orb").string();
};

// Before: the gap (300), a short class day (50), three short teacher days (60) and the ranks
// 7 + 25 + 33 of the built-in first table. After: Wednesday 1 to 3, ranks 1 + 19 + 9.
TEST_F(OptimierKommandoTest, ClosesTheGapAndPrintsTheFiguresBeforeAndAfter) {
  const TErgebnis e = Orbato({"optimieren", fEin, fAus});
  ASSERT_EQ(e.status, 0) << e.fehler;
  EXPECT_EQ(e.aus,
            "Kosten: 475 vorher, 139 nachher\n"
            "Hohlstunden der Klassen: 1 vorher, 0 nachher\n"
            "Springstunden der Lehrer: 0 vorher, 0 nachher\n"
            "meiste Springstunden eines Lehrers: 0 vorher, 0 nachher\n"
            "Klassentage mit spätem Beginn: 0 vorher, 0 nachher\n"
            "Klassentage mit einem Fach doppelt: 0 vorher, 0 nachher\n");
  const std::string q = Orbato({"qualitaet", fAus}).aus;
  EXPECT_NE(q.find("\"stundenGesetzt\": 3,"), std::string::npos) << q;
  EXPECT_NE(q.find("\"summe\": 0,\n    \"klassen\": 0,"), std::string::npos) << q;
}

TEST_F(OptimierKommandoTest, TakesTheWeightsOfAFileAndRefusesUnknownNames) {
  const TErgebnis null = Orbato(
      {"optimieren", fEin, fAus, "--gewichte", Gewichte("[Tevi36]\nokl=0\nokt=0\nolt=0\norg=0\n")});
  ASSERT_EQ(null.status, 0) << null.fehler;
  EXPECT_TRUE(
      null.aus.starts_with("Kosten: 0 vorher, 0 nachher\n"
                           "Hohlstunden der Klassen: 1 vorher, 1 nachher\n"))
      << null.aus;
  EXPECT_EQ(Orbato({"qualitaet", fAus}).aus, Orbato({"qualitaet", fEin}).aus)
      << "nothing to gain, nothing moved";

  const std::string falsch = Gewichte("[Tevi36]\nokl=5\nxyz=1\n");
  const TErgebnis unbekannt = Orbato({"optimieren", fEin, fAus, "--gewichte", falsch});
  EXPECT_EQ(unbekannt.status, 1);
  EXPECT_EQ(unbekannt.fehler, "unbekanntes Gewicht xyz in " + falsch + "\n");
  const TErgebnis sekunden = Orbato({"optimieren", fEin, fAus, "--sekunden", "0"});
  EXPECT_EQ(sekunden.status, 2);
  EXPECT_TRUE(
      sekunden.fehler.starts_with("orbato: --sekunden erwartet eine Zahl von 1 bis 3600: 0\n"))
      << sekunden.fehler;
  EXPECT_NE(Orbato({"--help"})
                .aus.find("\n  optimieren EIN.orb AUS.orb [--sekunden N] "
                          "[--gewichte DATEI]"),
            std::string::npos);
}

}  // namespace
}  // namespace orbato
