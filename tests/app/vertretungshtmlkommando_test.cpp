#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/kommandolauf.h"
#include "app/orbato/plankommandos.h"
#include "substitution/vertretungsfixture.h"
#include "testordner.h"

namespace orbato {
namespace {

// The school of the substitution tests saved with MUE away in period 2 on Wednesday the 9th, his
// lesson last changed on Monday the 7th.
class VertretungHTMLKommandoTest : public VertretungsTest {
 protected:
  void SetUp() override {
    Fehlt(leh, fMue, fMi, "-+");
    Sichere(fSchule, Plan());
  }
  std::string Plan() const { return (fOrdner / "plan.orb").string(); }
  TErgebnis Lauf(const std::string& ziel, std::vector<std::string> mehr = {}) const {
    std::vector<std::string> worte = {"vertretung-html", Plan(),       "2026-12-09", ziel,
                                      "--set",           "Tevi1/mtn=5"};
    worte.insert(worte.end(), mehr.begin(), mehr.end());
    return Orbato(worte);
  }

  TTestOrdner fOrdner{"vertretunghtml"};
};

TEST_F(VertretungHTMLKommandoTest, WritesTheSingleFileWithoutTheRoomFile) {
  const std::string ziel = (fOrdner / "vp.html").string();
  const TErgebnis e = Lauf(ziel, {"--schulname", "Gymnasium Süd", "--heute", "2026-12-07"});
  EXPECT_EQ(e.fehler, "");
  ASSERT_EQ(e.status, 0);
  EXPECT_EQ(e.aus, "");
  const std::string seite = LiesDatei(ziel);
  EXPECT_NE(seite.find("\r<H3>Gymnasium S&uuml;d</H3>\r<H3>Vertretungsplan f&uuml;r Mittwoch, 09. "
                       "Dez 2026</H3>\r"),
            std::string::npos);
  // Layout 1 has "mit Ad hoc" off: no mark even though the change was today.
  EXPECT_NE(seite.find("\r <TD><DIV CLASS=\"Vier\">?????"
                       "</DIV></TD>\r"),
            std::string::npos);
  EXPECT_NE(seite.find("<H3>Ersatzraumplan f&uuml;r"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(fOrdner / "ep.html"));
  EXPECT_FALSE(std::filesystem::exists(fOrdner / "orbato.css"));
  // Ad hoc marks follow --heute.
  const std::vector<std::string> adhoc = {"--set", "Tevi29/vah1=1"};
  std::vector<std::string> heute = adhoc;
  heute.insert(heute.end(), {"--heute", "2026-12-07"});
  ASSERT_EQ(Lauf(ziel, heute).status, 0);
  EXPECT_NE(LiesDatei(ziel).find("<DIV CLASS=\"Adhoc\">?????"), std::string::npos);
  heute.back() = "2026-12-08";
  ASSERT_EQ(Lauf(ziel, heute).status, 0);
  EXPECT_EQ(LiesDatei(ziel).find("Adhoc"), std::string::npos);
}

TEST_F(VertretungHTMLKommandoTest, DayFolderWhenTheSettingsAskForOne) {
  const std::string ziel = (fOrdner / "Vertretung 09-12-2026").string();
  const std::vector<std::string> ordner = {"--set", "Tevi29/vht=1"};
  const TErgebnis e = Lauf(ziel, ordner);
  EXPECT_EQ(e.fehler, "");
  ASSERT_EQ(e.status, 0);
  for (const char* name : {"index.html", "vp.html", "ep.html", "orbato.css"}) {
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(ziel) / name)) << name;
  }
  EXPECT_NE(LiesDatei(std::filesystem::path(ziel) / "index.html")
                .find("<H3><A HREF=\"../Vertretung 10-12-2026/index.html\">Donnerstag "
                      "10.12.2026</A></H3>\r<H3><A HREF=\"../Vertretung 08-12-2026/index.html\">"
                      "Dienstag 08.12.2026</A></H3>\r</BODY>\r</HTML>\r"),
            std::string::npos);
  // The folder is there now.
  const TErgebnis nochmal = Lauf(ziel, ordner);
  EXPECT_EQ(nochmal.status, 1);
  EXPECT_EQ(nochmal.fehler, "Kann Verzeichnis nicht erstellen!\n");

  const std::string ohne = (fOrdner / "Vertretung 10-12-2026").string();
  std::vector<std::string> optionen = ordner;
  optionen.push_back("--ohne-stylesheet");
  ASSERT_EQ(Lauf(ohne, optionen).status, 0);
  EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(ohne) / "vp.html"));
  EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(ohne) / "orbato.css"));
}

TEST_F(VertretungHTMLKommandoTest, RefusesAWrongLayoutOrDate) {
  const std::string ziel = (fOrdner / "x.html").string();
  const TErgebnis falsch = Lauf(ziel, {"--einstellung", "5"});
  EXPECT_EQ(falsch.status, 2);
  EXPECT_NE(falsch.fehler.find("--einstellung erwartet 1 bis 4: 5"), std::string::npos);
  EXPECT_EQ(Orbato({"vertretung-html", Plan(), "9.12.2026", ziel}).status, 2);
  EXPECT_EQ(Orbato({"vertretung-html", Plan(), "2026-12-09"}).status, 2);
  EXPECT_FALSE(std::filesystem::exists(ziel));
  // Layout 2 shows the calendar week.
  ASSERT_EQ(Lauf(ziel, {"--einstellung", "2", "--set", "Tevi29/mkw2=1"}).status, 0);
  EXPECT_NE(LiesDatei(ziel).find("Dez 2026  KW 50</H3>"), std::string::npos);
}

}  // namespace
}  // namespace orbato
