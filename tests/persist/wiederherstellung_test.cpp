#include "persist/wiederherstellung.h"

#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <fstream>

#include "model/dokument/schule.h"
#include "model/schnittstellen/dialoge.h"
#include "persist/dateilesen.h"
#include "persist/dateisystem.h"
#include "persist/plangrenzen.h"
#include "persist/planschreiber.h"
#include "testordner.h"

namespace orbato {
namespace {

namespace fs = std::filesystem;

// Gives a file the local time of its last change.
void SetzeZeit(const std::string& pfad, int jahr, int monat, int tag, int stunde, int minute) {
  std::tm ort{};
  ort.tm_year = jahr - 1900;
  ort.tm_mon = monat - 1;
  ort.tm_mday = tag;
  ort.tm_hour = stunde;
  ort.tm_min = minute;
  ort.tm_isdst = -1;
  ASSERT_TRUE(SetzeAenderungszeit(pfad, static_cast<int64_t>(std::mktime(&ort)) * 1000000000))
      << pfad;
}

void Lege(const std::string& pfad, const std::string& inhalt) {
  std::ofstream(pfad, std::ios::binary) << inhalt;
}

bool NiemandLebt(int64_t) {
  return false;
}

TEST(Wiederherstellung, TheFileSitsBesideThePlanOrInTheDataFolder) {
  EXPECT_EQ(WiederherstellungsPfad("/schulen/demo.orb"), "/schulen/demo.orb.wiederherstellung");
  EXPECT_EQ(UnbenanntPfad("/home/m/.local/share/WOrbato3/WinOrbato", 4711),
            "/home/m/.local/share/WOrbato3/WinOrbato" + kTrenner +
                "unbenannt-4711.orb.wiederherstellung");
}

// The recovery file is the plan file the document would be saved as, and writing it changes
// nothing about the document.
TEST(Wiederherstellung, WritesThePlanFileBytesAndLeavesTheDocumentAsItWas) {
  TTestOrdner ordner("rettung");
  TStandard standard;
  TStandardEinsetzen eingesetzt(standard);
  TSchule schule;
  schule.HoleLehrer("NEU");
  schule.SetDateiName("demo.orb");
  ASSERT_TRUE(schule.IsDirty());
  // Written into a data folder that does not exist yet.
  const std::string pfad = (ordner / "daten" / "unbenannt-1.orb.wiederherstellung").string();
  SchreibeWiederherstellung(pfad, schule);
  EXPECT_TRUE(schule.IsDirty());
  EXPECT_EQ(schule.fDateiName, "demo.orb");
  EXPECT_EQ(LiesGanzeDatei(pfad, kPlanDatei), TWriteForm::PlanBytes(schule));
  EXPECT_EQ(std::distance(fs::directory_iterator(ordner / "daten"), {}), 1) << "no temporary left";
}

TEST(Wiederherstellung, IsOfferedOnlyWhenNewerThanThePlanFile) {
  TTestOrdner ordner("neuer");
  const std::string plan = (ordner / "demo.orb").string();
  const std::string rettung = WiederherstellungsPfad(plan);
  EXPECT_FALSE(WiederherstellungNeuer(plan)) << "none there";
  Lege(plan, "p");
  Lege(rettung, "r");
  SetzeZeit(plan, 2026, 12, 10, 15, 0);
  SetzeZeit(rettung, 2026, 12, 10, 15, 42);
  const auto zeit = WiederherstellungNeuer(plan);
  ASSERT_TRUE(zeit);
  EXPECT_EQ(*zeit, *KodiereDatum(2026, 12, 10) + *KodiereZeit(15, 42, 0));
  // Saved after the recovery was written: the plan file holds the newer state.
  SetzeZeit(plan, 2026, 12, 10, 16, 0);
  EXPECT_FALSE(WiederherstellungNeuer(plan));
  SetzeZeit(plan, 2026, 12, 10, 15, 42);
  EXPECT_FALSE(WiederherstellungNeuer(plan)) << "the same moment is not newer";
  fs::remove(plan);
  EXPECT_TRUE(WiederherstellungNeuer(plan)) << "a plan file gone keeps its recovery";
}

TEST(Wiederherstellung, UntitledFilesOfEndedRunsComeNewestFirst) {
  TTestOrdner ordner("unbenannt");
  const auto pfad = [&](const std::string& name) { return (ordner / name).string(); };
  for (const char* name :
       {"unbenannt-11.orb.wiederherstellung", "unbenannt-12.orb.wiederherstellung",
        "unbenannt-13.orb.wiederherstellung", "unbenannt-x.orb.wiederherstellung",
        "demo.orb.wiederherstellung", "unbenannt-14.orb.wiederherstellung.defekt"}) {
    Lege(pfad(name), "r");
  }
  SetzeZeit(pfad("unbenannt-11.orb.wiederherstellung"), 2026, 12, 9, 8, 0);
  SetzeZeit(pfad("unbenannt-12.orb.wiederherstellung"), 2026, 12, 10, 8, 0);
  SetzeZeit(pfad("unbenannt-13.orb.wiederherstellung"), 2026, 12, 11, 8, 0);
  // Process 13 still runs: its file is its own business.
  const auto liste =
      VerwaisteUnbenannte(ordner.Pfad().string(), [](int64_t pid) { return pid == 13; });
  ASSERT_EQ(liste.size(), 2u);
  EXPECT_EQ(liste[0].fPfad, pfad("unbenannt-12.orb.wiederherstellung"));
  EXPECT_EQ(liste[0].fZeit, *KodiereDatum(2026, 12, 10) + *KodiereZeit(8, 0, 0));
  EXPECT_EQ(liste[1].fPfad, pfad("unbenannt-11.orb.wiederherstellung"));
  EXPECT_TRUE(VerwaisteUnbenannte(pfad("fehlt"), NiemandLebt).empty());
}

TEST(Wiederherstellung, ABrokenFileIsPutAsideNotRemoved) {
  TTestOrdner ordner("defekt");
  const std::string pfad = (ordner / "demo.orb.wiederherstellung").string();
  Lege(pfad, "eins");
  EXPECT_EQ(DefektBeiseite(pfad), pfad + ".defekt");
  Lege(pfad, "zwei");
  EXPECT_EQ(DefektBeiseite(pfad), pfad + ".defekt2");
  EXPECT_FALSE(fs::exists(pfad));
  EXPECT_EQ(LiesGanzeDatei(pfad + ".defekt", kPlanDatei),
            (std::vector<uint8_t>{'e', 'i', 'n', 's'}));
  EXPECT_FALSE(DefektBeiseite(pfad)) << "nothing left to move";
}

TEST(Wiederherstellung, TheQuestionNamesTheFileAndTheMoment) {
  TSkriptDialoge d;
  const TDatumZeit zeit = *KodiereDatum(2026, 12, 10) + *KodiereZeit(15, 42, 30);
  d.Antworte({"Wiederherstellen", "Verwerfen", "Abbrechen"});
  EXPECT_EQ(FrageWiederherstellung(d, "demo.orb", zeit), TWiederherstellAntwort::Wiederherstellen);
  EXPECT_EQ(FrageWiederherstellung(d, "", zeit), TWiederherstellAntwort::Verwerfen);
  EXPECT_EQ(FrageWiederherstellung(d, "demo.orb", zeit), TWiederherstellAntwort::Abbrechen);
  const auto fragen = d.Protokoll(TDialogVorgang::Frage);
  ASSERT_EQ(fragen.size(), 3u);
  EXPECT_EQ(fragen[0].fTitel, "Wiederherstellung");
  EXPECT_EQ(fragen[0].fZeilen,
            (std::vector<std::string>{
                "F\xFCr demo.orb gibt es ungesicherte \xC4nderungen vom 10.12.2026 15:42,",
                "die nach einem Absturz erhalten blieben."}));
  EXPECT_EQ(fragen[0].fKnoepfe,
            (std::vector<std::string>{"Wiederherstellen", "Verwerfen", "Abbrechen"}));
  EXPECT_EQ(fragen[1].fZeilen[0],
            "F\xFCr ein Dokument ohne Titel gibt es ungesicherte \xC4nderungen vom 10.12.2026 "
            "15:42,");
}

}  // namespace
}  // namespace orbato
