#include "persist/sicherungskopien.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

#include "persist/dateistand.h"
#include "persist/dateisystem.h"
#include "persist/streamfehler.h"
#include "testordner.h"

namespace orbato {
namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> Text(const std::string& s) {
  return {s.begin(), s.end()};
}

class SicherungskopienTest : public ::testing::Test {
 protected:
  std::string Plan() const { return (fOrdner / "schule.orb").string(); }
  void Lege(const std::string& name, const std::string& inhalt) const {
    std::ofstream(fOrdner / name, std::ios::binary) << inhalt;
  }
  // Every file of the folder with its content.
  std::map<std::string, std::string> Ordner() const {
    std::map<std::string, std::string> dateien;
    for (const fs::directory_entry& e : fs::directory_iterator(fOrdner.Pfad())) {
      if (e.is_directory()) {
        dateien[e.path().filename().string()] = "<Ordner>";
        continue;
      }
      std::ifstream ein(e.path(), std::ios::binary);
      dateien[e.path().filename().string()] = {std::istreambuf_iterator<char>(ein), {}};
    }
    return dateien;
  }
  void Sichere(const std::string& inhalt, int anzahl) const {
    SchreibeMitSicherungsKopien(Plan(), Text(inhalt), anzahl);
  }

  TTestOrdner fOrdner{"kopien"};
};

using Dateien = std::map<std::string, std::string>;

TEST_F(SicherungskopienTest, EachSaveShiftsTheVersionsAndDropsTheOldest) {
  EXPECT_EQ(SicherungsKopie("/a/schule.orb", 2), "/a/schule.orb.2");
  Sichere("v0", 3);
  EXPECT_EQ(Ordner(), (Dateien{{"schule.orb", "v0"}})) << "nothing to keep yet";
  Sichere("v1", 3);
  EXPECT_EQ(Ordner(), (Dateien{{"schule.orb", "v1"}, {"schule.orb.1", "v0"}}));
  Sichere("v2", 3);
  Sichere("v3", 3);
  EXPECT_EQ(Ordner(), (Dateien{{"schule.orb", "v3"},
                               {"schule.orb.1", "v2"},
                               {"schule.orb.2", "v1"},
                               {"schule.orb.3", "v0"}}));
  Sichere("v4", 3);
  EXPECT_EQ(Ordner(), (Dateien{{"schule.orb", "v4"},
                               {"schule.orb.1", "v3"},
                               {"schule.orb.2", "v2"},
                               {"schule.orb.3", "v1"}}));
  // Fewer copies wanted: the newest are shifted, those beyond are left to the user.
  Sichere("v5", 1);
  EXPECT_EQ(Ordner(), (Dateien{{"schule.orb", "v5"},
                               {"schule.orb.1", "v4"},
                               {"schule.orb.2", "v2"},
                               {"schule.orb.3", "v1"}}));
  Sichere("v6", 0);
  EXPECT_EQ(Ordner().at("schule.orb"), "v6");
  EXPECT_EQ(Ordner().at("schule.orb.1"), "v4");
}

TEST_F(SicherungskopienTest, AGapInTheRowIsNotFilled) {
  Lege("schule.orb", "p");
  Lege("schule.orb.2", "b");
  Sichere("n", 3);
  EXPECT_EQ(Ordner(), (Dateien{{"schule.orb", "n"},
                               {"schule.orb.1", "p"},
                               {"schule.orb.3", "b"},
                               {"schule.orb.2", "b"}}));
}

// Whichever write fails, every name holds a whole version, there are no fewer copies than before
// and the plan file is the old one.
TEST_F(SicherungskopienTest, AFailureAtAnyStepLosesNoCopy) {
  const Dateien vorher{
      {"schule.orb", "P"}, {"schule.orb.1", "A"}, {"schule.orb.2", "B"}, {"schule.orb.3", "C"}};
  const std::vector<Dateien> nachFehler{
      vorher,
      {{"schule.orb", "P"}, {"schule.orb.1", "A"}, {"schule.orb.2", "B"}, {"schule.orb.3", "B"}},
      {{"schule.orb", "P"}, {"schule.orb.1", "A"}, {"schule.orb.2", "A"}, {"schule.orb.3", "B"}},
      {{"schule.orb", "P"}, {"schule.orb.1", "P"}, {"schule.orb.2", "A"}, {"schule.orb.3", "B"}},
  };
  for (std::size_t schritt = 0; schritt < nachFehler.size(); ++schritt) {
    for (const auto& [name, inhalt] : vorher) Lege(name, inhalt);
    std::size_t aufrufe = 0;
    const TDateiSchreiber scheitert = [&](const std::string& pfad,
                                          const std::vector<uint8_t>& bytes) {
      if (aufrufe++ == schritt) throw TStreamFehler("Stream-Schreibfehler");
      SchreibeDateiSicher(pfad, bytes);
    };
    try {
      SchreibeMitSicherungsKopien(Plan(), Text("N"), 3, scheitert);
      ADD_FAILURE() << "step " << schritt << " did not fail";
    } catch (const TStreamFehler& f) {
      EXPECT_STREQ(f.what(), "Stream-Schreibfehler");
    }
    EXPECT_EQ(Ordner(), nachFehler[schritt]) << "failure at step " << schritt;
  }
}

TEST_F(SicherungskopienTest, ACopyThatCannotBeReadStopsTheSave) {
  Lege("schule.orb", "P");
  fs::create_directory(fOrdner / "schule.orb.1");
  try {
    Sichere("N", 3);
    FAIL();
  } catch (const TStreamFehler& f) {
    EXPECT_EQ(std::string(f.what()), "Datei " + Plan() +
                                         ".1 kann nicht ge\xF6"
                                         "ffnet werden. Der Pfad bezeichnet einen Ordner.");
  }
  EXPECT_EQ(Ordner(), (Dateien{{"schule.orb", "P"}, {"schule.orb.1", "<Ordner>"}}));
}

TEST_F(SicherungskopienTest, AReadOnlyFolderKeepsEverything) {
  if (!RechteBinden()) GTEST_SKIP() << "root writes into read-only folders, and so does Windows";
  Lege("schule.orb", "P");
  Lege("schule.orb.1", "A");
  fs::permissions(fOrdner.Pfad(), fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_THROW(Sichere("N", 3), TStreamFehler);
  EXPECT_EQ(Ordner(), (Dateien{{"schule.orb", "P"}, {"schule.orb.1", "A"}}));
}

TEST_F(SicherungskopienTest, ACopyKeepsTheTimeItsVersionWasSavedAt) {
  Lege("schule.orb", "P");
  ASSERT_TRUE(SetzeAenderungszeit(Plan(), 1700000000123456789));
  Sichere("N", 3);
#ifdef _WIN32
  EXPECT_EQ(DateiStand(Plan() + ".1")->fZeitNs, 1700000000123456700) << "Windows counts 100 ns";
#else
  EXPECT_EQ(DateiStand(Plan() + ".1")->fZeitNs, 1700000000123456789);
#endif
  EXPECT_GT(DateiStand(Plan())->fZeitNs, 1700000000123456789);
}

}  // namespace
}  // namespace orbato
