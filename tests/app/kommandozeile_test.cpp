#include "app/orbato/kommandozeile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/kommandolauf.h"
#include "testordner.h"

namespace orbato {
namespace {

// An INI file in the test's temporary folder.
std::string IniDatei(const TTestOrdner& ordner, const std::string& name,
                     const std::string& inhalt) {
  const auto pfad = ordner / (name + ".ini");
  std::ofstream(pfad, std::ios::binary) << inhalt;
  return pfad.string();
}

// The value lines of one group of an `einstellungen` listing.
std::string Gruppe(const std::string& liste, const std::string& schluessel) {
  const auto anfang = liste.find("[" + schluessel + "]\n");
  if (anfang == std::string::npos) return {};
  const auto inhalt = anfang + schluessel.size() + 3;
  return liste.substr(inhalt, liste.find("\n\n", inhalt) - inhalt);
}

TEST(Kommandozeile, EinstellungenWithoutFilePrintsEveryDefault) {
  const TErgebnis e = Orbato({"einstellungen", "--einstellungen", "/nonexistent.ini"});
  EXPECT_EQ(e.status, 0);
  EXPECT_EQ(e.fehler, "");
  EXPECT_EQ(e.aus, LiesDatei(ORBATO_TESTDATEN "/einstellungen_vorgaben.ini"));
}

TEST(Kommandozeile, EinstellungenShowsWhatLoadingMakesOfOddValues) {
  const TTestOrdner ordner("kommandozeile");
  const std::string datei = IniDatei(ordner, "ungewoehnlich",
                                     "; odd values\n"
                                     "[Tevi0]\n"
                                     "eaw=true\n"
                                     "sp3=$A$B$C$\n"
                                     "spg=$Mo$Dienstagnachmittag$\n"
                                     "spn = $Montag$\r\n"
                                     "[Tevi1]\n"
                                     "dvs=zwei\n"
                                     "mwn=3\n"
                                     "[Tevi7]\n"
                                     "T101=1$2$3$0$5$6$7$\n");
  const TErgebnis e = Orbato({"einstellungen", "--einstellungen", datei});
  ASSERT_EQ(e.status, 0) << e.fehler;
  const std::string tevi0 = Gruppe(e.aus, "Tevi0");
  EXPECT_EQ(tevi0.substr(0, 6), "eaw=0\n");
  EXPECT_NE(tevi0.find("\nsp3=$A$B$C$$$$$$$$$$$$$$\n"), std::string::npos);
  EXPECT_NE(tevi0.find("\nspg=$Mo$Dienstagnac$$$$$$\n"), std::string::npos);
  EXPECT_NE(tevi0.find("\nspn=$Montag$$$$$$$\n"), std::string::npos);
  const std::string tevi1 = Gruppe(e.aus, "Tevi1");
  EXPECT_EQ(tevi1.substr(0, 6), "dvs=1\n");
  EXPECT_NE(tevi1.find("\nmwn=3\n"), std::string::npos);
  EXPECT_EQ(Gruppe(e.aus, "Tevi7").substr(0, 31), "T101=-7$-4$-1$-10$-13$-16$-37$\n");
}

TEST(Kommandozeile, SetOverridesAStoredValueForThisRun) {
  const TTestOrdner ordner("kommandozeile");
  const std::string datei = IniDatei(ordner, "set", "[Tevi2]\npst=7\n");
  const TErgebnis e = Orbato({"einstellungen", "--set", "Tevi2/pst=8", "--einstellungen", datei,
                              "--set", "Tevi0/snm=Schule Süd"});
  ASSERT_EQ(e.status, 0) << e.fehler;
  EXPECT_EQ(Gruppe(e.aus, "Tevi2").substr(0, 6), "pst=8\n");
  EXPECT_NE(Gruppe(e.aus, "Tevi0").find("\nsnm=Schule Süd"), std::string::npos);
  EXPECT_EQ(LiesDatei(datei), "[Tevi2]\npst=7\n");  // the file is never written
}

// A missing settings file means all defaults; a path that holds no file ends the run with its
// message before the command starts.
TEST(Kommandozeile, ASettingsPathWithoutAFileEndsWithItsMessage) {
  const std::string tmp = std::filesystem::temp_directory_path().string();
  const TErgebnis ordner = Orbato({"einstellungen", "--einstellungen", tmp});
  EXPECT_EQ(ordner.status, 1);
  EXPECT_EQ(ordner.fehler,
            "Datei " + tmp + " kann nicht geöffnet werden. Der Pfad bezeichnet einen Ordner.\n");
  EXPECT_EQ(ordner.aus, "");
  const TErgebnis null = Orbato({"info", "x.orb", "--einstellungen", "/dev/zero"});
  EXPECT_EQ(null.status, 1);
  EXPECT_EQ(null.fehler,
            "Datei /dev/zero kann nicht geöffnet werden. Der Pfad bezeichnet keine gewöhnliche "
            "Datei.\n");
}

TEST(Kommandozeile, ReadsTheUsersStoreWithoutWritingIt) {
  auto* benutzer = new TEinstellungenImSpeicher;
  benutzer->Setze("Tevi1", "vtm", "30");
  const TErgebnis e = Orbato({"einstellungen", "--set", "Tevi1/spz=5"}, [benutzer] {
    return std::unique_ptr<Einstellungsspeicher>(benutzer);
  });
  ASSERT_EQ(e.status, 0) << e.fehler;
  const std::string tevi1 = Gruppe(e.aus, "Tevi1");
  EXPECT_NE(tevi1.find("\nvtm=30\n"), std::string::npos);
  EXPECT_NE(tevi1.find("\nspz=5\n"), std::string::npos);
}

TEST(Kommandozeile, WrongUsageAnswersTwoWithTheUsageText) {
  const auto pruefe = [](const std::vector<std::string>& worte, const std::string& grund) {
    const TErgebnis e = Orbato(worte);
    EXPECT_EQ(e.status, 2) << grund;
    EXPECT_EQ(e.aus, "");
    EXPECT_EQ(e.fehler.substr(0, grund.size() + 10), "orbato: " + grund + "\n\n") << e.fehler;
    EXPECT_NE(e.fehler.find("Aufruf: orbato KOMMANDO [OPTIONEN] ARGUMENTE…"), std::string::npos);
  };
  pruefe({}, "kein Kommando angegeben");
  pruefe({"zaubern"}, "unbekanntes Kommando zaubern");
  pruefe({"einstellungen", "--farbe"}, "unbekannte Option --farbe");
  pruefe({"einstellungen", "--einstellungen"}, "der Option --einstellungen fehlt ihr Wert");
  pruefe({"einstellungen", "x.orb"}, "zu viele Argumente");
  pruefe({"einstellungen", "--set", "Tevi2pst=8"},
         "--set erwartet SCHLÜSSEL/NAME=WERT: Tevi2pst=8");
  pruefe({"einstellungen", "--set", "Tevi1/pst=8"}, "unbekannter Einstellungswert Tevi1/pst");
  pruefe({"einstellungen", "--set", "Tevi36/pst=8"}, "unbekannter Einstellungswert Tevi36/pst");
  pruefe({"einstellungen", "--heute", "2026-13-01"},
         "--heute erwartet JJJJ-MM-TT[THH:MM]: 2026-13-01");
  pruefe({"einstellungen", "--heute", "2026-12-08T25:00"},
         "--heute erwartet JJJJ-MM-TT[THH:MM]: 2026-12-08T25:00");
  pruefe({"drucken", "lehrerplaene", "x.orb"}, "zu wenige Argumente");
  pruefe({"drucken", "lehrerplaene", "x.orb", "x.pdf", "--seiten", "2"},
         "unbekannte Option --seiten");
}

// Without the printouts linked in, printing is a command that cannot be done.
TEST(Kommandozeile, PrintingWithoutThePrintoutsEndsWithStatusOne) {
  const TErgebnis e = Orbato({"drucken", "lehrerplaene", "x.orb", "x.pdf"});
  EXPECT_EQ(e.status, 1);
  EXPECT_EQ(e.aus, "");
  EXPECT_EQ(e.fehler, "Dieses Programm wurde ohne Druckausgabe erstellt.\n");
}

TEST(Kommandozeile, HelpGoesToStandardOutput) {
  const TErgebnis e = Orbato({"--help"});
  EXPECT_EQ(e.status, 0);
  EXPECT_EQ(e.aus.substr(0, 47), "Aufruf: orbato KOMMANDO [OPTIONEN] ARGUMENTE…");
  EXPECT_NE(e.aus.find("\n  einstellungen"), std::string::npos);
  EXPECT_NE(e.aus.find("\n  drucken ART EIN.orb AUS.pdf [--datum JJJJ-MM-TT]  einen Ausdruck"),
            std::string::npos);
  EXPECT_EQ(Orbato({"einstellungen", "--heute", "2026-12-08T07:30"}).status, 0);
}

}  // namespace
}  // namespace orbato
