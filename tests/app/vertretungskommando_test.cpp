#include <gtest/gtest.h>

#include <string>

#include "app/kommandolauf.h"
#include "app/orbato/plankommandos.h"
#include "substitution/vertretungsfixture.h"
#include "testordner.h"

namespace orbato {
namespace {

// The school of the substitution tests saved with two records on Wednesday the 9th, one of them
// not in force since its class is away, and one on Thursday.
class VertretungenKommandoTest : public VertretungsTest {
 protected:
  void SetUp() override {
    Fehlt(leh, fMue, fMi, "-+");
    Fehlt(leh, fSch, fMi, "+");
    Fehlt(kla, f5a, fMi, "+");
    Fehlt(leh, fMue, Dez(10), "-+");
    fMatheMi->VertretungFinden(fMi)->SetSInfo(
        "\xDC"
        "bung");
    Sichere(fSchule, Pfad());
  }
  std::string Pfad() const { return (fOrdner.Pfad() / "plan.orb").string(); }
  TErgebnis Liste(std::vector<std::string> mehr = {}) const {
    std::vector<std::string> worte = {"vertretungen", Pfad(),  "2026-12-09", "--heute",
                                      "2026-12-07",   "--set", "Tevi1/mtn=5"};
    worte.insert(worte.end(), mehr.begin(), mehr.end());
    return Orbato(worte);
  }

  TTestOrdner fOrdner{"vertretungen"};
};

TEST_F(VertretungenKommandoTest, PrintsTheRowsOfTheWindowTabSeparated) {
  const std::string kopf =
      "T\tStunde\tLehrer\tKlasse\tFach\tKoppl.\tRaum\tBem\tVLehrer\tVFach\tVRaum\n";
  const std::string mathe = "\tMittwoch  2\tMUE\t5a\tM\t\tR1\t==>\t-----\tM\tR1\n";
  const TErgebnis e = Liste();
  EXPECT_EQ(e.fehler, "");
  EXPECT_EQ(e.status, 0);
  EXPECT_EQ(e.aus, kopf + mathe);

  const TErgebnis inaktiv = Liste({"--inaktiv"});
  EXPECT_EQ(inaktiv.status, 0);
  // Loading appends the records course by course; the window sorts them: class, then period.
  EXPECT_EQ(inaktiv.aus, kopf + "\tMittwoch  1\tSCH\t5a\tE\t\tR3\t==>\t?????\tE\tR3\n" + mathe);

  EXPECT_EQ(Orbato({"vertretungen", Pfad(), "2026-12-13"}).aus, kopf);
}

TEST_F(VertretungenKommandoTest, RefusesADateOfAnotherForm) {
  const TErgebnis e = Orbato({"vertretungen", Pfad(), "9.12.2026"});
  EXPECT_EQ(e.status, 2);
  EXPECT_NE(e.fehler.find("DATUM erwartet JJJJ-MM-TT: 9.12.2026"), std::string::npos);
  EXPECT_EQ(Orbato({"vertretungen", Pfad(), "2026-02-30"}).status, 2);
  EXPECT_EQ(Orbato({"vertretungen", Pfad()}).status, 2);
}

}  // namespace
}  // namespace orbato
