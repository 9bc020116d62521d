#include "persist/planbindung.h"

#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "model/schnittstellen/dialoge.h"
#include "model/schnittstellen/uhr.h"
#include "persist/dateisystem.h"
#include "persist/wiederherstellung.h"
#include "testordner.h"

namespace orbato {
namespace {

namespace fs = std::filesystem;

constexpr TDatumZeit kJetzt = 46366.5;  // 2026-12-10, noon

void SpaeterAls(const std::string& pfad, const std::string& als) {
  const TPfadStand stand = PfadStand(als);
  ASSERT_EQ(stand.fArt, TPfadArt::Datei);
  ASSERT_TRUE(SetzeAenderungszeit(pfad, (stand.fZeitNs / 1000000000 + 60) * 1000000000));
}

std::string Inhalt(const std::string& pfad) {
  std::ifstream ein(pfad, std::ios::binary);
  return {std::istreambuf_iterator<char>(ein), {}};
}

// A planner on the computer "buero" as process 2; process 1 runs too, every other is gone.
class PlanbindungTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::copy_file(ORBATO_TESTDATEN "/alle_saetze.orb", fPlan);
    fBindung.fLebt = [](int64_t pid) { return pid == 1 || pid == 2; };
  }
  // The recovery file of the plan file with one teacher more, written a minute after it.
  void RettungMitNeuemLehrer() {
    TGeladenerPlan plan = LadePlan(fPlan, fDialoge, fUhr);
    TSchuleEinsetzen eingesetzt(*plan.schule);
    plan.schule->HoleLehrer("NEU");
    SchreibeWiederherstellung(fRettung, *plan.schule);
    SpaeterAls(fRettung, fPlan);
    fDialoge.ProtokollLeeren();
  }
  std::vector<std::string> Fragen() const {
    std::vector<std::string> titel;
    for (const TDialogEintrag& e : fDialoge.Protokoll(TDialogVorgang::Frage))
      titel.push_back(e.fTitel);
    return titel;
  }
  static bool HatLehrer(const TSchule& s, const char* kuerzel) {
    return TSchule::HoleElement(s.fLehrerMenge, kuerzel) != nullptr;
  }

  TTestOrdner fOrdner{"bindung"};
  const std::string fPlan = (fOrdner / "schule.orb").string();
  const std::string fRettung = fPlan + ".wiederherstellung";
  const std::string fSperre = (fOrdner / ".~lock.schule.orb#").string();
  const std::string fDaten = (fOrdner / "daten").string();
  TStandard fStandard;
  TStandardEinsetzen fStandardEingesetzt{fStandard};
  TFesteUhr fUhr{kJetzt};
  TSkriptDialoge fDialoge;
  TPlanBindung fBindung{fDialoge, fUhr, fDaten, TSperre{"mueller", "buero", "", 2}};
};

TEST_F(PlanbindungTest, HoldsTheLockWhileOpenAndKeepsChangesBesideThePlanFile) {
  TGeladenerPlan plan = fBindung.Oeffnen(fPlan);
  ASSERT_TRUE(plan.schule);
  EXPECT_FALSE(plan.schule->IsDirty());
  EXPECT_TRUE(Fragen().empty());
  EXPECT_EQ(fBindung.Plan(), fPlan);
  EXPECT_FALSE(fBindung.Schreibgeschuetzt());
  EXPECT_EQ(Inhalt(fSperre), "mueller,buero,2026-12-10T12:00:00,2\n");
  EXPECT_EQ(fBindung.WiederherstellDatei(), fRettung);
  // A clean document writes nothing; a changed one its state.
  fBindung.SchreibeWiederherstellung(*plan.schule);
  EXPECT_FALSE(fs::exists(fRettung));
  plan.schule->SetDirty(true);
  fBindung.SchreibeWiederherstellung(*plan.schule);
  EXPECT_TRUE(fs::exists(fRettung));
  EXPECT_TRUE(plan.schule->IsDirty());
  // Closing: both files go.
  fBindung.Loesen();
  EXPECT_FALSE(fs::exists(fRettung));
  EXPECT_FALSE(fs::exists(fSperre));
  EXPECT_EQ(fBindung.Plan(), "");
  EXPECT_EQ(fBindung.WiederherstellDatei(),
            fDaten + kTrenner + "unbenannt-2.orb.wiederherstellung");
}

// The program was killed: its lock and its recovery file are left behind. The next start takes
// the lock over without asking and offers the changes.
TEST_F(PlanbindungTest, AfterACrashTheChangesComeBackUnderThePlanFilesName) {
  RettungMitNeuemLehrer();
  std::ofstream(fSperre, std::ios::binary) << "mueller,buero,2026-12-10T11:00:00,99\n";
  const std::string planVorher = Inhalt(fPlan);
  fDialoge.Antworte("Wiederherstellen");
  TGeladenerPlan plan = fBindung.Oeffnen(fPlan);
  ASSERT_TRUE(plan.schule);
  EXPECT_EQ(Fragen(), std::vector<std::string>{"Wiederherstellung"});
  EXPECT_TRUE(plan.wiederhergestellt);
  EXPECT_TRUE(HatLehrer(*plan.schule, "NEU"));
  EXPECT_TRUE(plan.schule->IsDirty());
  EXPECT_EQ(plan.schule->fDateiName, "schule.orb");
  EXPECT_EQ(Inhalt(fPlan), planVorher) << "the plan file waits for \"Sichern\"";
  EXPECT_EQ(Inhalt(fSperre), "mueller,buero,2026-12-10T12:00:00,2\n");
  EXPECT_TRUE(fs::exists(fRettung)) << "kept until saved or closed";
  ASSERT_TRUE(fBindung.DarfSchreiben(fPlan));
  fBindung.Gesichert(fPlan);
  EXPECT_FALSE(fs::exists(fRettung));
}

TEST_F(PlanbindungTest, DiscardingRemovesTheRecoveryAndCancellingOpensNothing) {
  RettungMitNeuemLehrer();
  fDialoge.Antworte("Abbrechen");
  EXPECT_FALSE(fBindung.Oeffnen(fPlan).schule);
  EXPECT_TRUE(fs::exists(fRettung));
  EXPECT_FALSE(fs::exists(fSperre)) << "the lock goes back with the file unopened";
  EXPECT_EQ(fBindung.Plan(), "");
  fDialoge.Antworte("Verwerfen");
  TGeladenerPlan plan = fBindung.Oeffnen(fPlan);
  ASSERT_TRUE(plan.schule);
  EXPECT_FALSE(HatLehrer(*plan.schule, "NEU"));
  EXPECT_FALSE(plan.schule->IsDirty());
  EXPECT_FALSE(fs::exists(fRettung));
}

TEST_F(PlanbindungTest, AnOlderRecoveryFileIsNotOffered) {
  RettungMitNeuemLehrer();
  SpaeterAls(fPlan, fRettung);
  TGeladenerPlan plan = fBindung.Oeffnen(fPlan);
  ASSERT_TRUE(plan.schule);
  EXPECT_TRUE(Fragen().empty());
  EXPECT_FALSE(HatLehrer(*plan.schule, "NEU"));
}

TEST_F(PlanbindungTest, ARecoveryFileThatCannotBeReadIsReportedAndKept) {
  std::ofstream(fRettung) << "kaputt";
  SpaeterAls(fRettung, fPlan);
  fDialoge.Antworte("Wiederherstellen");
  TGeladenerPlan plan = fBindung.Oeffnen(fPlan);
  ASSERT_TRUE(plan.schule) << "the plan file itself is read";
  EXPECT_FALSE(plan.wiederhergestellt);
  EXPECT_FALSE(plan.schule->IsDirty());
  const auto meldungen = fDialoge.Protokoll(TDialogVorgang::Nachricht);
  ASSERT_EQ(meldungen.size(), 1u);
  EXPECT_EQ(meldungen[0].fTitel, "Wiederherstellung");
  EXPECT_EQ(
      meldungen[0].fZeilen,
      (std::vector<std::string>{
          "Die Wiederherstellungsdatei schule.orb.wiederherstellung kann nicht gelesen werden:",
          "Die Datei schule.orb.wiederherstellung ist keine Plandatei.",
          "Sie bleibt als schule.orb.wiederherstellung.defekt erhalten."}));
  EXPECT_EQ(Inhalt(fRettung + ".defekt"), "kaputt");
  EXPECT_EQ(fBindung.WiederherstellDatei(), fRettung);
}

TEST_F(PlanbindungTest, AnotherPlannersFileOpensReadOnlyOrAnyway) {
  RettungMitNeuemLehrer();
  const std::string fremd = "schmidt,sekretariat,2026-12-10T08:05:00,1\n";
  std::ofstream(fSperre, std::ios::binary) << fremd;
  fDialoge.Antworte("Abbrechen");
  EXPECT_FALSE(fBindung.Oeffnen(fPlan).schule);
  EXPECT_EQ(Inhalt(fSperre), fremd);
  // Read-only: neither his lock nor his recovery file is touched, and nothing is offered.
  fDialoge.Antworte(
      "Schreibgesch\xFCtzt \xF6"
      "ffnen");
  TGeladenerPlan plan = fBindung.Oeffnen(fPlan);
  ASSERT_TRUE(plan.schule);
  EXPECT_TRUE(fBindung.Schreibgeschuetzt());
  EXPECT_FALSE(HatLehrer(*plan.schule, "NEU"));
  EXPECT_EQ(Fragen(), (std::vector<std::string>{"Datei in Bearbeitung", "Datei in Bearbeitung"}));
  EXPECT_EQ(fBindung.WiederherstellDatei(),
            fDaten + kTrenner + "unbenannt-2.orb.wiederherstellung");
  fDialoge.Antworte("Nein");
  EXPECT_FALSE(fBindung.DarfSchreiben(fPlan));
  fBindung.Loesen();
  EXPECT_EQ(Inhalt(fSperre), fremd);
  EXPECT_TRUE(fs::exists(fRettung));
  // Anyway: the lock becomes ours, and the changes he left are offered.
  fDialoge.Antworte(
      {"Trotzdem \xF6"
       "ffnen",
       "Verwerfen"});
  ASSERT_TRUE(fBindung.Oeffnen(fPlan).schule);
  EXPECT_EQ(Inhalt(fSperre), "mueller,buero,2026-12-10T12:00:00,2\n");
  EXPECT_EQ(fDialoge.OffeneAntworten(), 0u);
}

TEST_F(PlanbindungTest, SavingOverAChangedOrLockedFileAsksFirst) {
  TGeladenerPlan plan = fBindung.Oeffnen(fPlan);
  ASSERT_TRUE(fBindung.DarfSchreiben(fPlan));
  std::ofstream(fPlan, std::ios::app) << "x";  // another program writes the file
  fDialoge.Antworte({"Nein", "Ja"});
  EXPECT_FALSE(fBindung.DarfSchreiben(fPlan));
  EXPECT_TRUE(fBindung.DarfSchreiben(fPlan));
  const auto fragen = fDialoge.Protokoll(TDialogVorgang::Frage);
  ASSERT_EQ(fragen.size(), 2u);
  EXPECT_EQ(fragen[0].fTitel, "Datei ge\xE4ndert");
  EXPECT_EQ(fragen[0].fZeilen,
            (std::vector<std::string>{"Die Datei schule.orb wurde seit dem \xD6"
                                      "ffnen von einem anderen Programm ge\xE4ndert.",
                                      "Trotzdem \xFC"
                                      "berschreiben?"}));
  // After our own save the file's new state counts.
  fBindung.Gesichert(fPlan);
  EXPECT_TRUE(fBindung.DarfSchreiben(fPlan));
  // Saving under another name that another planner has open asks too.
  const std::string ander = (fOrdner / "ander.orb").string();
  std::ofstream((fOrdner / ".~lock.ander.orb#").string())
      << "schmidt,sekretariat,2026-12-10T08:05:00,1\n";
  fDialoge.Antworte("Nein");
  EXPECT_FALSE(fBindung.DarfSchreiben(ander));
  // Saved there after all: the lock moves along.
  fBindung.Gesichert(ander);
  EXPECT_FALSE(fs::exists(fSperre));
  EXPECT_EQ(Inhalt((fOrdner / ".~lock.ander.orb#").string()),
            "mueller,buero,2026-12-10T12:00:00,2\n");
  EXPECT_EQ(fBindung.Plan(), ander);
}

TEST_F(PlanbindungTest, UntitledChangesOfAnEndedRunAreOfferedAtStart) {
  fs::create_directories(fDaten);
  const std::string alt = fDaten + kTrenner + "unbenannt-77.orb.wiederherstellung";
  const std::string laufend = fDaten + kTrenner + "unbenannt-1.orb.wiederherstellung";
  {
    TSchule s;
    TSchuleEinsetzen eingesetzt(s);
    s.HoleLehrer("UNB");
    SchreibeWiederherstellung(alt, s);
    SchreibeWiederherstellung(laufend, s);
  }
  fDialoge.Antworte("Wiederherstellen");
  TGeladenerPlan plan = fBindung.UnbenannteAnbieten();
  ASSERT_TRUE(plan.schule);
  EXPECT_EQ(Fragen(), std::vector<std::string>{"Wiederherstellung"}) << "not the running one's";
  EXPECT_TRUE(HatLehrer(*plan.schule, "UNB"));
  EXPECT_TRUE(plan.schule->IsDirty());
  EXPECT_EQ(fBindung.Plan(), "");
  EXPECT_EQ(fBindung.WiederherstellDatei(), alt) << "the document goes on with its file";
  fBindung.Loesen();
  EXPECT_FALSE(fs::exists(alt));
  EXPECT_TRUE(fs::exists(laufend));
  EXPECT_EQ(fBindung.WiederherstellDatei(),
            fDaten + kTrenner + "unbenannt-2.orb.wiederherstellung");
  // Nothing left to offer; without a data folder there is never anything.
  EXPECT_FALSE(fBindung.UnbenannteAnbieten().schule);
  TPlanBindung ohneOrdner(fDialoge, fUhr, "", TSperre{"mueller", "buero", "", 2});
  EXPECT_FALSE(ohneOrdner.UnbenannteAnbieten().schule);
}

TEST_F(PlanbindungTest, ThePlanFileThatCannotBeReadLeavesNoLock) {
  std::ofstream(fPlan, std::ios::trunc) << "";
  try {
    fBindung.Oeffnen(fPlan);
    FAIL();
  } catch (const TStreamFehler& f) {
    EXPECT_STREQ(f.what(), "Die Datei schule.orb ist keine Plandatei.");
  }
  EXPECT_FALSE(fs::exists(fSperre));
  EXPECT_EQ(fBindung.Plan(), "");
}

}  // namespace
}  // namespace orbato
