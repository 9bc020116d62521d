#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/kommandolauf.h"
#include "app/orbato/plankommandos.h"
#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/kurse/kurs.h"
#include "model/kurse/setzung.h"
#include "testordner.h"

namespace orbato {
namespace {

namespace fs = std::filesystem;

class TextKommandoTest : public ::testing::Test {
 protected:
  std::string Pfad(const std::string& name) const { return (fOrdner / name).string(); }

  TTestOrdner fOrdner{"text"};
};

// The lines of an exchange file without their course numbers, sorted: a document read from the
// file orders its courses by elements it created in another order.
std::vector<std::string> KursZeilen(const std::string& text) {
  std::vector<std::string> zeilen;
  std::size_t anfang = 0;
  for (std::size_t ende; (ende = text.find('\r', anfang)) != std::string::npos; anfang = ende + 1) {
    const std::string zeile = text.substr(anfang, ende - anfang);
    zeilen.push_back(zeile.substr(zeile.find('\t')));
  }
  std::sort(zeilen.begin(), zeilen.end());
  return zeilen;
}

// The exchange file of the demo school with both plan versions, imported into an empty document
// of two versions, exports to the same lines again: every course, placement, room and flag came
// back.
TEST_F(TextKommandoTest, TheExchangeFileComesBackThroughImport) {
  const std::vector<std::string> alleVersionen = {"--set", "Tevi1/mwn=2", "--set", "Tevi0/eaw=0"};
  const auto mit = [&](std::vector<std::string> worte) {
    worte.insert(worte.end(), alleVersionen.begin(), alleVersionen.end());
    return Orbato(worte);
  };
  ASSERT_EQ(Orbato({"demo", Pfad("demo.orb")}).status, 0);
  ASSERT_EQ(mit({"export", "kurse", Pfad("demo.orb"), Pfad("kurse.txt")}).status, 0);
  const TErgebnis e = mit({"import", Pfad("kurse.txt"), Pfad("neu.orb")});
  EXPECT_EQ(e.status, 0);
  EXPECT_EQ(e.fehler, "");
  ASSERT_EQ(mit({"export", "kurse", Pfad("neu.orb"), Pfad("wieder.txt")}).status, 0);
  const std::vector<std::string> vorher = KursZeilen(LiesDatei(Pfad("kurse.txt")));
  EXPECT_EQ(vorher.size(), 573u);
  EXPECT_EQ(KursZeilen(LiesDatei(Pfad("wieder.txt"))), vorher);

  // Into the document itself every short name is known, so nothing is asked and --nein does not
  // stop it.
  EXPECT_EQ(
      mit({"import", Pfad("kurse.txt"), Pfad("doppelt.orb"), "--in", Pfad("neu.orb"), "--nein"})
          .status,
      0);
}

// A folder named as the exchange file or as the document to import into: the message, exit
// status 1, and no plan file written. An empty exchange file holds no course and imports nothing.
TEST_F(TextKommandoTest, ImportOfAFolderEndsWithItsMessage) {
  const std::string tmp = fs::temp_directory_path().string();
  const std::string ordner =
      "Datei " + tmp + " kann nicht geöffnet werden. Der Pfad bezeichnet einen Ordner.\n";
  const TErgebnis e = Orbato({"import", tmp, Pfad("x.orb")});
  EXPECT_EQ(e.status, 1);
  EXPECT_EQ(e.fehler, ordner);
  EXPECT_FALSE(fs::exists(Pfad("x.orb")));

  std::ofstream{Pfad("leer.txt")};
  const TErgebnis in = Orbato({"import", Pfad("leer.txt"), Pfad("x.orb"), "--in", tmp});
  EXPECT_EQ(in.status, 1);
  EXPECT_EQ(in.fehler, ordner);
  EXPECT_FALSE(fs::exists(Pfad("x.orb")));

  ASSERT_EQ(Orbato({"import", Pfad("leer.txt"), Pfad("leer.orb")}).status, 0);
  ASSERT_EQ(Orbato({"neu", Pfad("neu.orb")}).status, 0);
  EXPECT_EQ(LiesDatei(Pfad("leer.orb")), LiesDatei(Pfad("neu.orb")));
}

// "Nein" to unknown short names and a file of the wrong format import nothing and write nothing.
TEST_F(TextKommandoTest, RefusedImportsWriteNothing) {
  {
    std::ofstream aus(Pfad("kurse.txt"), std::ios::binary);
    aus << "1\t1\t2\t\tMEI\t\tD\t\t5a\t\t\t\t\t\t\t\t\t1\t0\t1\t0\t0\t0\r";
  }
  TErgebnis e = Orbato({"import", Pfad("kurse.txt"), Pfad("aus.orb"), "--nein"});
  EXPECT_EQ(e.status, 1);
  EXPECT_EQ(e.fehler, "Die Importdatei enthält unbekannte Kürzel.\n");
  EXPECT_FALSE(std::filesystem::exists(Pfad("aus.orb")));
  {
    std::ofstream aus(Pfad("falsch.txt"), std::ios::binary);
    aus << "1\t1\t2\r";
  }
  e = Orbato({"import", Pfad("falsch.txt"), Pfad("aus.orb")});
  EXPECT_EQ(e.status, 1);
  EXPECT_EQ(e.fehler, "Der Inhalt der Importdatei hat nicht das geeignete Format für Kurse.\n");
  EXPECT_FALSE(std::filesystem::exists(Pfad("aus.orb")));
  EXPECT_EQ(Orbato({"import", Pfad("kurse.txt"), Pfad("aus.orb")}).status, 0);
}

// Each art writes its file; an unknown art is wrong usage.
TEST_F(TextKommandoTest, ExportArts) {
  ASSERT_EQ(Orbato({"demo", Pfad("demo.orb"), "--groesse", "klein"}).status, 0);
  for (const char* art :
       {"kurse", "csv", "schulmanager", "lehrerplaene", "klassenplaene", "raumplaene"}) {
    EXPECT_EQ(Orbato({"export", art, Pfad("demo.orb"), Pfad(art)}).status, 0) << art;
    EXPECT_FALSE(LiesDatei(Pfad(art)).empty()) << art;
  }
  EXPECT_TRUE(
      LiesDatei(Pfad("csv"))
          .starts_with("Id;Art;Lehrerkuerzel;Fach;Kurs;Raum;Wochentag;Stunde;Woche;Klassen\r1;"));
  EXPECT_EQ(Orbato({"export", "html", Pfad("demo.orb"), Pfad("x")}).status, 2);
}

// The substitution list of the days from --von to --bis, both needed as JJJJ-MM-TT.
TEST_F(TextKommandoTest, TheSubstitutionListOfARange) {
  {
    TStandard standard;
    TStandardEinsetzen standardEingesetzt(standard);
    TSchule schule;
    TSchuleEinsetzen schuleEingesetzt(schule);
    auto* kurs = new TKurs;
    kurs->IKurs(schule.HoleLehrer("M\xDC"), schule.HoleKlasse("5a"), 1, nullptr, nullptr, nullptr);
    kurs->SetzungAufnehmen(new TSetzung(1, 1, 1));
    Sichere(schule, Pfad("ein.orb"));
  }
  const std::vector<std::string> heute = {"--heute", "2025-03-01"};
  const auto mit = [&](std::vector<std::string> worte) {
    worte.insert(worte.end(), heute.begin(), heute.end());
    return Orbato(worte);
  };
  ASSERT_EQ(
      mit({"fehlt", Pfad("ein.orb"), Pfad("aus.orb"), "2025-03-03", "lehrer", "MÜ", "1"}).status,
      0);
  const TErgebnis e = mit({"export", "vertretungen", Pfad("aus.orb"), Pfad("v.csv"), "--von",
                           "2025-03-01", "--bis", "2025-03-03"});
  EXPECT_EQ(e.status, 0) << e.fehler;
  EXPECT_EQ(LiesDatei(Pfad("v.csv")),
            "20250303;Montag;;;100;MÜ\r\n"
            "20250303;Montag;;;101;\r\n"
            "20250303;Montag;1; 1;1;MÜ;;-;-;-;-;-;-;-;-;-;-;;;-;5a\r\n");
  EXPECT_EQ(mit({"export", "vertretungen", Pfad("aus.orb"), Pfad("leer.csv"), "--von", "2025-03-04",
                 "--bis", "2025-03-31"})
                .status,
            0);
  EXPECT_EQ(LiesDatei(Pfad("leer.csv")), "");

  const TErgebnis ohne =
      mit({"export", "vertretungen", Pfad("aus.orb"), Pfad("x.csv"), "--von", "2025-03-01"});
  EXPECT_EQ(ohne.status, 2);
  EXPECT_TRUE(ohne.fehler.starts_with("orbato: vertretungen braucht --von und --bis\n"))
      << ohne.fehler;
  const TErgebnis falsch = mit({"export", "vertretungen", Pfad("aus.orb"), Pfad("x.csv"), "--von",
                                "2025-02-30", "--bis", "2025-03-31"});
  EXPECT_EQ(falsch.status, 2);
  EXPECT_TRUE(falsch.fehler.starts_with("orbato: --von erwartet JJJJ-MM-TT: 2025-02-30\n"))
      << falsch.fehler;
  EXPECT_FALSE(fs::exists(Pfad("x.csv")));
}

}  // namespace
}  // namespace orbato
