#include "persist/sperrdatei.h"

#include <gtest/gtest.h>
#ifdef _WIN32
#include <windows.h>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <filesystem>
#include <fstream>
#include <iterator>

#include "model/schnittstellen/dialoge.h"
#include "testordner.h"

namespace orbato {
namespace {

namespace fs = std::filesystem;

const TDatumZeit kJetzt = *KodiereDatum(2026, 12, 10) + *KodiereZeit(15, 42, 7);

TSperre Planer(const std::string& benutzer, const std::string& rechner, int64_t pid) {
  return {benutzer, rechner, "", pid};
}

// Nobody but the processes 1 and 2 runs.
bool NurEinsUndZwei(int64_t pid) {
  return pid == 1 || pid == 2;
}

class SperrdateiTest : public ::testing::Test {
 protected:
  std::string Plan() const { return (fOrdner / "demo.orb").string(); }
  std::string Sperre() const { return SperrDateiPfad(Plan()); }
  std::string Inhalt() const {
    std::ifstream ein(Sperre(), std::ios::binary);
    return {std::istreambuf_iterator<char>(ein), {}};
  }
  void Lege(const std::string& inhalt) const {
    std::ofstream(Sperre(), std::ios::binary) << inhalt;
  }

  TTestOrdner fOrdner{"sperre"};
  const TSperre fIch = Planer("mueller", "buero", 2);
};

TEST(Sperrzeile, NamesUserComputerTimeAndProcess) {
  EXPECT_EQ(SperrDateiPfad("/schulen/2026/demo.orb"),
            "/schulen/2026" + kTrenner + ".~lock.demo.orb#");
  const TSperre s{"m\xC3\xBCller", "buero-pc", "2026-12-10T15:42:07", 4711};
  EXPECT_EQ(SperrZeile(s), "m\xC3\xBCller,buero-pc,2026-12-10T15:42:07,4711");
  const auto gelesen = LiesSperrZeile("mueller,buero-pc,2026-12-10T15:42:07,4711\r");
  ASSERT_TRUE(gelesen);
  EXPECT_EQ(gelesen->fBenutzer, "mueller");
  EXPECT_EQ(gelesen->fRechner, "buero-pc");
  EXPECT_EQ(gelesen->fZeit, "2026-12-10T15:42:07");
  EXPECT_EQ(gelesen->fPid, 4711);
  // A user name may hold a comma, a computer's name cannot.
  EXPECT_EQ(LiesSperrZeile("Schmidt, Eva,pc,2026-12-10T15:42:07,1")->fBenutzer, "Schmidt, Eva");
  EXPECT_FALSE(LiesSperrZeile("pc,2026-12-10T15:42:07,1"));
  EXPECT_FALSE(LiesSperrZeile("u,pc,2026-12-10T15:42:07,"));
  EXPECT_FALSE(LiesSperrZeile("u,pc,2026-12-10T15:42:07,12a"));
}

TEST(Sperrzeile, ThisProcessAndWhetherOthersRun) {
  const TSperre ich = EigeneSperre();
  EXPECT_FALSE(ich.fBenutzer.empty());
  EXPECT_FALSE(ich.fRechner.empty());
  EXPECT_TRUE(ProzessLebt(0)) << "a number that proves nothing counts as running";
#ifdef _WIN32
  EXPECT_EQ(ich.fPid, static_cast<int64_t>(GetCurrentProcessId()));
  EXPECT_TRUE(ProzessLebt(ich.fPid));
  // Process numbers of Windows are multiples of four: this one never runs.
  EXPECT_FALSE(ProzessLebt(4 * 1000003 + 1));
#else
  EXPECT_EQ(ich.fPid, ::getpid());
  EXPECT_TRUE(ProzessLebt(::getpid()));
  const pid_t kind = ::fork();
  if (kind == 0) ::_exit(0);
  ASSERT_GT(kind, 0);
  ::waitpid(kind, nullptr, 0);
  EXPECT_FALSE(ProzessLebt(kind));
#endif
}

TEST_F(SperrdateiTest, AFreeFileGetsTheLockLineAndGivesItBack) {
  EXPECT_FALSE(SperreNehmen(Plan(), fIch, kJetzt, NurEinsUndZwei));
  EXPECT_EQ(Inhalt(), "mueller,buero,2026-12-10T15:42:07,2\n");
  EXPECT_FALSE(FremdeSperre(Plan(), fIch, NurEinsUndZwei)) << "our own lock";
  SperreFreigeben(Plan(), Planer("mueller", "buero", 3));
  EXPECT_TRUE(fs::exists(Sperre())) << "only its holder removes it";
  SperreFreigeben(Plan(), fIch);
  EXPECT_FALSE(fs::exists(Sperre()));
  SperreFreigeben(Plan(), fIch);  // nothing left to remove
}

TEST_F(SperrdateiTest, AnotherLivePlannerKeepsHisLock) {
  Lege("schmidt,sekretariat,2026-12-09T08:00:00,1\n");
  const auto fremd = SperreNehmen(Plan(), fIch, kJetzt, NurEinsUndZwei);
  ASSERT_TRUE(fremd);
  EXPECT_EQ(fremd->fBenutzer, "schmidt");
  EXPECT_EQ(fremd->fRechner, "sekretariat");
  EXPECT_EQ(Inhalt(), "schmidt,sekretariat,2026-12-09T08:00:00,1\n") << "nothing written";
  // On another computer a process number proves nothing, however dead it looks here.
  Lege("schmidt,sekretariat,2026-12-09T08:00:00,99\n");
  EXPECT_TRUE(SperreNehmen(Plan(), fIch, kJetzt, NurEinsUndZwei));
  EXPECT_TRUE(FremdeSperre(Plan(), fIch, NurEinsUndZwei));
  SperreFreigeben(Plan(), fIch);
  EXPECT_TRUE(fs::exists(Sperre()));
  // "Trotzdem öffnen": the lock is ours from then on.
  SperreUebernehmen(Plan(), fIch, kJetzt);
  EXPECT_EQ(Inhalt(), "mueller,buero,2026-12-10T15:42:07,2\n");
}

TEST_F(SperrdateiTest, ALockOfAGoneProcessOfThisComputerIsTakenOver) {
  Lege("mueller,buero,2026-12-01T07:00:00,99\n");
  EXPECT_FALSE(SperreNehmen(Plan(), fIch, kJetzt, NurEinsUndZwei));
  EXPECT_EQ(Inhalt(), "mueller,buero,2026-12-10T15:42:07,2\n");
  // The same for a lock that carries this very process number, left by an earlier run.
  Lege("schmidt,buero,2026-12-01T07:00:00,2\n");
  EXPECT_FALSE(SperreNehmen(Plan(), fIch, kJetzt, NurEinsUndZwei));
  EXPECT_EQ(Inhalt(), "mueller,buero,2026-12-10T15:42:07,2\n");
  // A live process of this computer, the user's own second program, still counts.
  Lege("mueller,buero,2026-12-01T07:00:00,1\n");
  EXPECT_TRUE(SperreNehmen(Plan(), fIch, kJetzt, NurEinsUndZwei));
}

TEST_F(SperrdateiTest, ALockThatCannotBeUnderstoodStillCounts) {
  Lege("kaputt\n");
  const auto fremd = SperreNehmen(Plan(), fIch, kJetzt, NurEinsUndZwei);
  ASSERT_TRUE(fremd);
  EXPECT_EQ(fremd->fBenutzer, "");
  EXPECT_EQ(Inhalt(), "kaputt\n");
}

TEST_F(SperrdateiTest, WhereNoLockFileCanBeWrittenTheFileStaysWithoutOne) {
  const std::string plan = (fOrdner / "fehlt" / "demo.orb").string();
  EXPECT_FALSE(SperreNehmen(plan, fIch, kJetzt, NurEinsUndZwei));
  EXPECT_FALSE(fs::exists(SperrDateiPfad(plan)));
  SperreUebernehmen(plan, fIch, kJetzt);  // no throw
}

TEST(Sperrfrage, SaysWhoHoldsTheFileSinceWhen) {
  TSkriptDialoge d;
  const TSperre fremd{"schmidt", "sekretariat", "2026-12-09T08:05:00", 1};
  d.Antworte(
      "Trotzdem \xF6"
      "ffnen");
  EXPECT_EQ(FrageSperre(d, "demo.orb", fremd), TSperrAntwort::Trotzdem);
  d.Antworte(
      "Schreibgesch\xFCtzt \xF6"
      "ffnen");
  EXPECT_EQ(FrageSperre(d, "demo.orb", fremd), TSperrAntwort::Schreibgeschuetzt);
  d.Antworte("Abbrechen");
  EXPECT_EQ(FrageSperre(d, "demo.orb", {}), TSperrAntwort::Abbrechen);
  d.Antworte("Nein");
  EXPECT_FALSE(FrageFremdUeberschreiben(d, "demo.orb", fremd));
  const auto fragen = d.Protokoll(TDialogVorgang::Frage);
  ASSERT_EQ(fragen.size(), 4u);
  EXPECT_EQ(fragen[0].fTitel, "Datei in Bearbeitung");
  EXPECT_EQ(fragen[0].fZeilen,
            (std::vector<std::string>{"Die Datei demo.orb wird seit dem 09.12.2026 um 08:05 Uhr",
                                      "von schmidt auf dem Rechner sekretariat bearbeitet."}));
  EXPECT_EQ(fragen[0].fKnoepfe, (std::vector<std::string>{"Schreibgesch\xFCtzt \xF6"
                                                          "ffnen",
                                                          "Trotzdem \xF6"
                                                          "ffnen",
                                                          "Abbrechen"}));
  EXPECT_EQ(fragen[2].fZeilen, std::vector<std::string>{
                                   "Die Datei demo.orb ist von einem anderen Programm gesperrt."});
  EXPECT_EQ(fragen[3].fZeilen,
            (std::vector<std::string>{"Die Datei demo.orb wird seit dem 09.12.2026 um 08:05 Uhr",
                                      "von schmidt auf dem Rechner sekretariat bearbeitet.",
                                      "Trotzdem \xFC"
                                      "berschreiben?"}));
  EXPECT_EQ(fragen[3].fKnoepfe, (std::vector<std::string>{"Ja", "Nein"}));
}

}  // namespace
}  // namespace orbato
