#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "app/kommandolauf.h"
#include "testordner.h"

namespace orbato {
namespace {

class AutomatikKommando : public ::testing::Test {
 protected:
  std::string Pfad(const std::string& name) const { return (fOrdner / name).string(); }

  // A real school read from its exchange file into a plan file of 5 days.
  std::string Schule(const std::string& datei) {
    const std::string plan = Pfad(datei + ".orb");
    const TErgebnis e =
        Orbato({"import", std::string(ORBATO_SCHULEN "/") + datei, plan, "--set", "Tevi1/mtn=5"});
    EXPECT_EQ(e.status, 0) << e.fehler;
    return plan;
  }

  TTestOrdner fOrdner{"automatik"};
};

TEST_F(AutomatikKommando, PlacesAndSavesAndNamesWhyHoursStayOpen) {
  const std::string ein = Schule("sekundarschule.txt");
  const TErgebnis e = Orbato({"automatik", ein, Pfad("aus.orb"), "--set", "Tevi1/mtn=5"});
  ASSERT_EQ(e.status, 0) << e.fehler;
  const std::string anfang =
      "noch zu setzen: 0\n"
      "nicht verplanbar: 8\n"
      "nicht verplanbar: Nils GE 7a: 1 Stunde offen, keine Zelle frei: Klasse 7a belegt, Lehrer "
      "Nils belegt\n";
  EXPECT_EQ(e.aus.substr(0, anfang.size()), anfang);
  EXPECT_EQ(std::count(e.aus.begin(), e.aus.end(), '\n'), 10);
  // The saved plan holds the hours: a second run finds only the eight open ones.
  const TErgebnis wieder = Orbato(
      {"automatik", Pfad("aus.orb"), Pfad("aus2.orb"), "--set", "Tevi1/mtn=5", "--prozent", "100"});
  EXPECT_EQ(wieder.aus.substr(0, 37), "noch zu setzen: 0\nnicht verplanbar: 8");
}

TEST_F(AutomatikKommando, TheRepairPassPlacesTheRestOfARealSchool) {
  const std::string ein = Schule("sekundarschule.txt");
  const TErgebnis e =
      Orbato({"automatik", ein, Pfad("aus.orb"), "--set", "Tevi1/mtn=5", "--nachbessern"});
  ASSERT_EQ(e.status, 0) << e.fehler;
  EXPECT_EQ(e.aus,
            "noch zu setzen: 0\n"
            "nicht verplanbar: 8\n"
            "nach dem Nachbessern nicht verplanbar: 0\n");
  const TErgebnis pruefen =
      Orbato({"pruefen", Pfad("aus.orb"), "--set", "Tevi1/mtn=5", "--test", "konsistenz"});
  EXPECT_EQ(pruefen.aus.substr(pruefen.aus.rfind("Beim")),
            "Beim Pr\xC3\xBC"
            "fen der Daten wurden keine Fehler gefunden.\n");
}

TEST_F(AutomatikKommando, RefusesOptionsOutOfRange) {
  const std::string ein = Schule("dgs.txt");
  for (const char* falsch : {"--prozent=4", "--prozent=101", "--std=0", "--std=x"}) {
    const std::string wort(falsch);
    const auto gleich = wort.find('=');
    const TErgebnis e = Orbato(
        {"automatik", ein, Pfad("aus.orb"), wort.substr(0, gleich), wort.substr(gleich + 1)});
    EXPECT_EQ(e.status, 2) << falsch;
  }
  const TErgebnis e = Orbato({"automatik", ein, Pfad("aus.orb"), "--prozent", "4"});
  EXPECT_NE(e.fehler.find("--prozent erwartet eine Zahl von 5 bis 100: 4"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(Pfad("aus.orb")));
}

}  // namespace
}  // namespace orbato
