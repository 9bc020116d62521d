#include <gtest/gtest.h>

#include <filesystem>

#include "app/kommandolauf.h"
#include "testordner.h"

namespace orbato {
namespace {

namespace fs = std::filesystem;

const std::string kDaten = ORBATO_TESTDATEN;

class PlanKommandoTest : public ::testing::Test {
 protected:
  std::string Pfad(const std::string& name) const { return (fOrdner / name).string(); }

  TTestOrdner fOrdner{"kommando"};
};

TEST_F(PlanKommandoTest, NeuWritesTheEmptyDocument) {
  const TErgebnis e = Orbato({"neu", Pfad("leer.orb")});
  EXPECT_EQ(e.status, 0);
  EXPECT_EQ(e.aus, "");
  EXPECT_EQ(LiesDatei(Pfad("leer.orb")), LiesDatei(kDaten + "/leer.orb"));

  // The number of plan versions comes from the settings.
  ASSERT_EQ(Orbato({"neu", Pfad("drei.orb"), "--set", "Tevi1/mwn=3"}).status, 0);
  EXPECT_EQ(fs::file_size(Pfad("drei.orb")), 960u + 2 * 2 * 7 * 2);
}

TEST_F(PlanKommandoTest, UmwandelnKeepsAFileByteForByte) {
  const TErgebnis e = Orbato(
      {"umwandeln", kDaten + "/alle_saetze.orb", Pfad("kopie.orb"), "--heute", "2026-12-08"});
  EXPECT_EQ(e.status, 0) << e.fehler;
  EXPECT_EQ(LiesDatei(Pfad("kopie.orb")), LiesDatei(kDaten + "/alle_saetze.orb"));
  const TErgebnis original = Orbato({"info", kDaten + "/alle_saetze.orb", "--heute", "2026-12-08"});
  const TErgebnis kopie = Orbato({"info", Pfad("kopie.orb"), "--heute", "2026-12-08"});
  EXPECT_EQ(original.status, 0);
  EXPECT_NE(original.aus.find("\"dateiName\": \"alle_saetze.orb\""), std::string::npos);
  EXPECT_EQ(kopie.aus.substr(kopie.aus.find("\"geaendert\"")),
            original.aus.substr(original.aus.find("\"geaendert\"")));
}

TEST_F(PlanKommandoTest, UmwandelnConvertsTheOldLayout) {
  ASSERT_EQ(Orbato({"umwandeln", kDaten + "/alt_211.orb", Pfad("neu.orb"), "--heute", "2026-12-08"})
                .status,
            0);
  EXPECT_EQ(LiesDatei(Pfad("neu.orb")), LiesDatei(kDaten + "/alt_umgewandelt.orb"));
  const TErgebnis info = Orbato({"info", kDaten + "/alt_211.orb", "--heute", "2026-12-08"});
  EXPECT_NE(info.aus.find("  \"formatversion\": -211,\n  \"dateiName\": \"Ohne Titel\",\n"
                          "  \"geaendert\": true,\n"),
            std::string::npos);
}

TEST_F(PlanKommandoTest, FilesItCannotReadEndWithTheirMessage) {
  const std::string leer = LiesDatei(kDaten + "/leer.orb");
  std::string bytes = leer;
  bytes[1] = '\xD3';  // -301
  std::ofstream(Pfad("neu.orb"), std::ios::binary) << bytes;
  const TErgebnis neu = Orbato({"info", Pfad("neu.orb")});
  EXPECT_EQ(neu.status, 1);
  EXPECT_EQ(neu.fehler, "Die Version der Daten ist zu neu!\n");
  EXPECT_EQ(neu.aus, "");

  std::ofstream(Pfad("kurz.orb"), std::ios::binary) << leer.substr(0, 100);
  const TErgebnis kurz = Orbato({"umwandeln", Pfad("kurz.orb"), Pfad("aus.orb")});
  EXPECT_EQ(kurz.status, 1);
  EXPECT_EQ(kurz.fehler, "Stream-Lesefehler\n");
  EXPECT_FALSE(fs::exists(Pfad("aus.orb"))) << "nothing is written after a failed load";

  const TErgebnis fehlt = Orbato({"info", Pfad("fehlt.orb")});
  EXPECT_EQ(fehlt.status, 1);
  EXPECT_EQ(fehlt.fehler, "Datei " + Pfad("fehlt.orb") +
                              " kann nicht geöffnet werden. Das System kann die angegebene Datei "
                              "nicht finden.\n");
}

// A folder, a device or a FIFO where the plan file should be: the message, exit status 1, and
// nothing written.
// A text file or an empty file under a plan file's name says so, the same words as the program.
TEST_F(PlanKommandoTest, AFileThatIsNoPlanFileSaysSo) {
  std::ofstream(Pfad("x.orb"), std::ios::binary) << "Stundenplan 2026\n";
  const TErgebnis text = Orbato({"info", Pfad("x.orb")});
  EXPECT_EQ(text.status, 1);
  EXPECT_EQ(text.fehler, "Die Datei x.orb ist keine Plandatei.\n");
  EXPECT_EQ(text.aus, "");
  std::ofstream{Pfad("leer.orb")};
  const TErgebnis leer = Orbato({"umwandeln", Pfad("leer.orb"), Pfad("aus.orb")});
  EXPECT_EQ(leer.status, 1);
  EXPECT_EQ(leer.fehler, "Die Datei leer.orb ist keine Plandatei.\n");
  EXPECT_FALSE(fs::exists(Pfad("aus.orb")));
}

// The command line writes the file it is asked for and nothing else: no backup of the file it
// replaces, no lock, no recovery file.
TEST_F(PlanKommandoTest, WritesNoBackupLockOrRecoveryFile) {
  ASSERT_EQ(Orbato({"neu", Pfad("aus.orb")}).status, 0);
  ASSERT_EQ(Orbato({"umwandeln", kDaten + "/alle_saetze.orb", Pfad("aus.orb")}).status, 0);
  ASSERT_EQ(Orbato({"info", Pfad("aus.orb")}).status, 0);
  std::vector<std::string> dateien;
  for (const fs::directory_entry& e : fs::directory_iterator(fOrdner.Pfad())) {
    dateien.push_back(e.path().filename().string());
  }
  EXPECT_EQ(dateien, std::vector<std::string>{"aus.orb"});
}

TEST_F(PlanKommandoTest, APathWithoutAPlanFileEndsWithItsMessage) {
  const std::string tmp = fs::temp_directory_path().string();
  const TErgebnis ordner = Orbato({"info", tmp});
  EXPECT_EQ(ordner.status, 1);
  EXPECT_EQ(ordner.fehler,
            "Datei " + tmp + " kann nicht geöffnet werden. Der Pfad bezeichnet einen Ordner.\n");
  EXPECT_EQ(ordner.aus, "");

  const TErgebnis null = Orbato({"umwandeln", "/dev/zero", Pfad("aus.orb")});
  EXPECT_EQ(null.status, 1);
  EXPECT_EQ(null.fehler,
            "Datei /dev/zero kann nicht geöffnet werden. Der Pfad bezeichnet keine gewöhnliche "
            "Datei.\n");
  EXPECT_FALSE(fs::exists(Pfad("aus.orb")));

#ifdef _WIN32
  const std::string rohr = "NUL";  // Windows has no FIFO; a device is refused alike
#else
  const std::string rohr = Pfad("fifo");
  ASSERT_EQ(::mkfifo(rohr.c_str(), 0600), 0);
#endif
  const TErgebnis fifo = Orbato({"pruefen", rohr});
  EXPECT_EQ(fifo.status, 1);
  EXPECT_EQ(fifo.fehler, "Datei " + rohr +
                             " kann nicht geöffnet werden. Der Pfad bezeichnet keine "
                             "gewöhnliche Datei.\n");

  std::ofstream{Pfad("gross.orb")};
  std::error_code sparsam;
  fs::resize_file(Pfad("gross.orb"), uintmax_t{30} << 30, sparsam);
  if (sparsam) GTEST_SKIP() << "no sparse file of 30 GiB on this file system";
  const TErgebnis gross = Orbato({"info", Pfad("gross.orb")});
  EXPECT_EQ(gross.status, 1);
  EXPECT_EQ(gross.fehler, "Datei " + Pfad("gross.orb") +
                              " ist zu groß für eine Plandatei (höchstens 27.053.682.788 "
                              "Bytes).\n");
}

// Every demo size survives a load and a save byte for byte, and describes itself the same.
TEST_F(PlanKommandoTest, DemoSchoolsSurviveARoundTrip) {
  for (const std::string groesse : {"klein", "mittel", "gross"}) {
    const std::string demo = Pfad(groesse + ".orb"), kopie = Pfad(groesse + "_kopie.orb");
    ASSERT_EQ(Orbato({"demo", demo, "--groesse", groesse}).status, 0);
    ASSERT_EQ(Orbato({"umwandeln", demo, kopie, "--heute", "2027-02-01"}).status, 0);
    EXPECT_EQ(LiesDatei(kopie), LiesDatei(demo)) << groesse;
    const std::string info = Orbato({"info", demo, "--heute", "2027-02-01"}).aus;
    const std::string infoKopie = Orbato({"info", kopie, "--heute", "2027-02-01"}).aus;
    const auto ohneName = [](const std::string& text) {
      return text.substr(text.find("\"geaendert\""));
    };
    EXPECT_EQ(ohneName(infoKopie), ohneName(info)) << groesse;
  }
  ASSERT_EQ(Orbato({"demo", Pfad("standard.orb")}).status, 0);
  EXPECT_EQ(LiesDatei(Pfad("standard.orb")), LiesDatei(Pfad("mittel.orb")));
}

// The demo school keeps to the school day of the settings it is written with: class 7a is
// blocked after the last period shown and on the days the school does not teach.
TEST_F(PlanKommandoTest, DemoSchoolFollowsTheSettings) {
  const auto sperrung7a = [&](const std::vector<std::string>& einstellungen) {
    std::vector<std::string> worte = {"demo", Pfad("demo.orb"), "--groesse", "klein"};
    worte.insert(worte.end(), einstellungen.begin(), einstellungen.end());
    EXPECT_EQ(Orbato(worte).status, 0);
    const std::string info = Orbato({"info", Pfad("demo.orb")}).aus;
    const std::size_t klasse = info.find("\"kuerzel\": \"7a\"");
    const std::size_t von = info.find('[', info.find("\"sperrung\"", klasse) + 14);
    return info.substr(von, info.find(']', von) - von + 1);
  };
  EXPECT_EQ(sperrung7a({}), "[65472, 65472, 65472, 65472, 65472, 65535, 65535]");
  EXPECT_EQ(sperrung7a({"--set", "Tevi2/pst=8", "--set", "Tevi1/mtn=5"}),
            "[65280, 65280, 65280, 65280, 65280, 65535, 65535]");
  EXPECT_EQ(sperrung7a({"--set", "Tevi2/pst=5", "--set", "Tevi1/mtn=6"}),
            "[65504, 65504, 65504, 65504, 65504, 65504, 65535]");
}

TEST_F(PlanKommandoTest, WrongUsageExitsWithTwo) {
  EXPECT_EQ(Orbato({"neu"}).status, 2);
  EXPECT_EQ(Orbato({"umwandeln", Pfad("a.orb")}).status, 2);
  EXPECT_EQ(Orbato({"demo", Pfad("d.orb"), "--groesse", "riesig"}).status, 2);
  EXPECT_FALSE(fs::exists(Pfad("d.orb")));
}

}  // namespace
}  // namespace orbato
