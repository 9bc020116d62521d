#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/kommandolauf.h"
#include "testordner.h"

namespace orbato {
namespace {

class GpuKommandoTest : public ::testing::Test {
 protected:
  std::string Pfad(const std::string& name) const { return (fOrdner / name).string(); }

  TTestOrdner fOrdner{"gpu"};
};

TEST_F(GpuKommandoTest, TheHelpListsTheCommands) {
  const TErgebnis e = Orbato({"--help"});
  EXPECT_NE(e.aus.find("  import-gpu ORDNER AUS.orb [--in EIN.orb] [--nein] [--trennzeichen C] "
                       "[--kodierung utf8|cp1252]"),
            std::string::npos);
  EXPECT_NE(e.aus.find("gpu schreibt die Untis-Dateien in den Ordner AUS"), std::string::npos);
}

// The demo school through the files and back, on the command line: the report's counts are the
// school's, and the files written again are the same.
TEST_F(GpuKommandoTest, TheDemoSchoolComesBack) {
  ASSERT_EQ(Orbato({"demo", Pfad("demo.orb"), "--groesse", "klein"}).status, 0);
  ASSERT_EQ(
      Orbato({"export", "gpu", Pfad("demo.orb"), Pfad("untis"), "--trennzeichen", "tab", "--utf8"})
          .status,
      0);
  const TErgebnis e = Orbato({"import-gpu", Pfad("untis"), Pfad("neu.orb")});
  EXPECT_EQ(e.status, 0);
  EXPECT_EQ(e.fehler, "");
  EXPECT_EQ(e.aus,
            "Untis-Import: 6 Klassen, 12 Lehrer, 15 Räume, 24 Fächer, 98 Kurse, 13 Kopplungen, "
            "111 Setzungen in Planversion 1.\n");
  ASSERT_EQ(
      Orbato({"export", "gpu", Pfad("neu.orb"), Pfad("wieder"), "--trennzeichen", "\\t", "--utf8"})
          .status,
      0);
  for (const char* name :
       {"GPU001.TXT", "GPU002.TXT", "GPU003.TXT", "GPU004.TXT", "GPU005.TXT", "GPU006.TXT"}) {
    const std::string datei = LiesDatei(fOrdner / "untis" / name);
    EXPECT_EQ(LiesDatei(fOrdner / "wieder" / name), datei) << name;
    EXPECT_NE(datei.find('\t'), std::string::npos) << name;
  }
  EXPECT_FALSE(std::filesystem::exists(fOrdner / "untis" / "GPU014.TXT"));
  ASSERT_EQ(Orbato({"export", "gpu", Pfad("demo.orb"), Pfad("mit"), "--von", "2026-12-07", "--bis",
                    "2026-12-11"})
                .status,
            0);
  EXPECT_TRUE(std::filesystem::exists(fOrdner / "mit" / "GPU013.TXT"));
  EXPECT_TRUE(std::filesystem::exists(fOrdner / "mit" / "GPU014.TXT"));
}

TEST_F(GpuKommandoTest, RefusesWrongUsageAndEmptyFolders) {
  std::filesystem::create_directories(fOrdner / "leer");
  const TErgebnis leer = Orbato({"import-gpu", Pfad("leer"), Pfad("x.orb")});
  EXPECT_EQ(leer.status, 1);
  EXPECT_EQ(leer.fehler, "Der Ordner " + Pfad("leer") +
                             " enthält keine Untis-Dateien (GPU001.TXT bis GPU006.TXT).\n");
  EXPECT_FALSE(std::filesystem::exists(fOrdner / "x.orb"));
  const TErgebnis trenner =
      Orbato({"import-gpu", Pfad("leer"), Pfad("x.orb"), "--trennzeichen", "|"});
  EXPECT_EQ(trenner.status, 2);
  EXPECT_EQ(trenner.fehler.substr(0, trenner.fehler.find('\n')),
            "orbato: --trennzeichen erwartet \",\", \";\" oder tab: |");
  const TErgebnis kodierung =
      Orbato({"import-gpu", Pfad("leer"), Pfad("x.orb"), "--kodierung", "latin9"});
  EXPECT_EQ(kodierung.status, 2);
  EXPECT_EQ(kodierung.fehler.substr(0, kodierung.fehler.find('\n')),
            "orbato: --kodierung erwartet utf8 oder cp1252: latin9");
  ASSERT_EQ(Orbato({"demo", Pfad("demo.orb")}).status, 0);
  const TErgebnis halb =
      Orbato({"export", "gpu", Pfad("demo.orb"), Pfad("u"), "--von", "2026-12-07"});
  EXPECT_EQ(halb.status, 2);
  EXPECT_EQ(halb.fehler.substr(0, halb.fehler.find('\n')),
            "orbato: export gpu braucht --von und --bis zusammen");
}

}  // namespace
}  // namespace orbato
