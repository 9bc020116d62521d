#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/kommandolauf.h"
#include "app/orbato/plankommandos.h"
#include "persist/plandatei.h"
#include "substitution/vertretungsfixture.h"
#include "testordner.h"

namespace orbato {
namespace {

// The school of the substitution tests in a file: MUE is absent in period 2 of Wednesday the 9th,
// SCH in period 1, when all of 5a is away too. The window lists MUE's Mathe as its only row.
class VertretenKommandoTest : public VertretungsTest {
 protected:
  VertretenKommandoTest() {
    Fehlt(leh, fMue, fMi, "-+");
    Fehlt(kla, f5a, fMi, "+");
    Fehlt(leh, fSch, fMi, "+");
    Sichere(fSchule, fEin);
  }

  TErgebnis Vertreten(std::vector<std::string> worte) {
    worte.insert(worte.begin(), {"vertreten", fEin, fAus, "2026-12-09"});
    worte.insert(worte.end(), {"--heute", "2026-12-07"});
    return Orbato(worte);
  }
  // The records of the saved file as the fixture describes them, with the teacher's remark.
  std::vector<std::string> Gesichert() {
    TSkriptDialoge dialoge;
    TGeladenerPlan plan = LadePlan(fAus, dialoge, fUhr);
    TSchuleEinsetzen eingesetzt(*plan.schule);
    std::vector<std::string> zeilen;
    for (const TVertretung* v : plan.schule->fVertretungsMenge) {
      zeilen.push_back(Beschreibe(v) + " " + v->fFach->fKuerzel.str() + " [" + v->fLInfo.str() +
                       "|" + v->fSInfo.str() + "]");
    }
    return zeilen;
  }

  TTestOrdner fOrdner{"vertreten"};
  const std::string fEin = (fOrdner.Pfad() / "ein.orb").string();
  const std::string fAus = (fOrdner.Pfad() / "aus.orb").string();
};

// An entry made on the command line is an ad hoc change of the day --heute names.
TEST_F(VertretenKommandoTest, MarksTheChangeWithTheDayOfTheRun) {
  ASSERT_EQ(Vertreten({"1", "--lehrer", "KOC"}).status, 0);
  TSkriptDialoge dialoge;
  TGeladenerPlan plan = LadePlan(fAus, dialoge, fUhr);
  TSchuleEinsetzen eingesetzt(*plan.schule);
  const TVertretung* v = plan.schule->fVertretungsMenge.ListeNrInhalt(1);
  ASSERT_NE(v, nullptr);
  EXPECT_EQ(v->fLehrer->fKuerzel.str(), "KOC");
  EXPECT_EQ(v->fAdHoc, 46363.5);  // 2026-12-07, noon
}

TEST_F(VertretenKommandoTest, EditsTheRowThroughTheWindowsCommandsInTheirOrder) {
  const TErgebnis e =
      Vertreten({"1", "--lehrer", "KOC", "--raum", "R4", "--fach", "E", "--sbem", "Buch S. 12"});
  EXPECT_EQ(e.status, 0) << e.fehler;
  EXPECT_EQ(e.aus, "");
  EXPECT_EQ(e.fehler, "");
  EXPECT_EQ(Gesichert(),
            (std::vector<std::string>{"9.12 2 MUE/M -> KOC R4 GA E [in Raum R4 |Buch S. 12]",
                                      "9.12 1 SCH/E -> ? R3 UA E [|]"}));

  // "Frei" rebuilds the remarks: what is typed before it is gone, what is typed after stays.
  ASSERT_EQ(Vertreten({"1", "--lbem", "Aufgaben", "--frei"}).status, 0);
  EXPECT_EQ(Gesichert()[0], "9.12 2 MUE/M -> ? ? G- M [frei|frei]");
  ASSERT_EQ(Vertreten({"1", "--frei", "--lbem", "Aufgaben"}).status, 0);
  EXPECT_EQ(Gesichert()[0], "9.12 2 MUE/M -> ? ? G- M [Aufgaben|frei]");
}

TEST_F(VertretenKommandoTest, TheClassTeachersSwapComesFromTheStattMenu) {
  // SCH's lessons with 5a at the edge of its day: Wednesday period 1 (on the 9th it has a record
  // already, so the 2nd and 25 November, the 16th and 23rd are offered) and Thursday period 6.
  const TErgebnis e = Vertreten({"1", "--lehrer", "SCH", "--statt", "1"});
  ASSERT_EQ(e.status, 0) << e.fehler;
  EXPECT_EQ(Gesichert(),
            (std::vector<std::string>{
                "9.12 2 MUE/M -> SCH R1 G- E [statt Mi, 2. Dez   1 |statt Mi, 2. Dez   1 ]",
                "9.12 1 SCH/E -> ? R3 UA E [|]",
                "2.12 1 SCH/E -> ? R3 GA E [verlegt auf Mi, 9. Dez   2 |verlegt auf "
                "Mi, 9. Dez   2 ]"}));

  const TErgebnis zuViel = Vertreten({"1", "--lehrer", "SCH", "--statt", "9"});
  EXPECT_EQ(zuViel.status, 1);
  EXPECT_EQ(zuViel.fehler, "Das Menü \"statt\" für SCH hat 8 Einträge.\n");
}

TEST_F(VertretenKommandoTest, RefusesWhatCannotBeDone) {
  const TErgebnis lehrer = Vertreten({"1", "--lehrer", "XY"});
  EXPECT_EQ(lehrer.status, 1);
  EXPECT_EQ(lehrer.fehler, "Kein Lehrer mit dem Kürzel XY.\n");
  EXPECT_FALSE(std::filesystem::exists(fAus));
  EXPECT_EQ(Vertreten({"1", "--raum", "R9"}).fehler, "Kein Raum mit dem Kürzel R9.\n");
  EXPECT_EQ(Vertreten({"1", "--fach", "Q"}).fehler, "Kein Fach mit dem Kürzel Q.\n");
  // The record not in force is no row.
  const TErgebnis zeile = Vertreten({"2", "--frei"});
  EXPECT_EQ(zeile.status, 1);
  EXPECT_EQ(zeile.fehler, "Die Vertretungen am Mi, 9. Dez 2026 haben 1 Zeilen.\n");

  EXPECT_EQ(Vertreten({"1", "--statt", "1"}).status, 2);
  EXPECT_EQ(Vertreten({"0"}).status, 2);
  EXPECT_EQ(Vertreten({"1", "--statt", "eins", "--lehrer", "SCH"}).status, 2);
  EXPECT_FALSE(std::filesystem::exists(fAus));
}

}  // namespace
}  // namespace orbato
