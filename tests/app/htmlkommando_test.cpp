#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "app/kommandolauf.h"
#include "app/orbato/plankommandos.h"
#include "html/stilvorlage.h"
#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/kurse/kurs.h"
#include "model/kurse/setzung.h"
#include "testordner.h"

namespace orbato {
namespace {

namespace fs = std::filesystem;

std::set<std::string> Dateien(const fs::path& ordner) {
  std::set<std::string> namen;
  for (const auto& e : fs::directory_iterator(ordner)) namen.insert(e.path().filename().string());
  return namen;
}

// Two teachers, a class, a room and a subject; ABE teaches German to 5a on Monday in period 1.
class HTMLKommandoTest : public ::testing::Test {
 protected:
  HTMLKommandoTest() {
    TStandard standard;
    TStandardEinsetzen standardEingesetzt(standard);
    TSchule schule;
    TSchuleEinsetzen schuleEingesetzt(schule);
    TLehrer* abe = schule.HoleLehrer("ABE");
    schule.HoleLehrer("\xD6Z");
    TKlasse* k5a = schule.HoleKlasse("5a");
    TRaum* r1 = schule.HoleRaum("R1");
    auto* kurs = new TKurs;
    kurs->IKurs(abe, k5a, 2, r1, schule.HoleFach("D"), nullptr);
    kurs->SetzungAufnehmen(new TSetzung(1, 1, 1, r1));
    Sichere(schule, Pfad("ein.orb"));
  }
  std::string Pfad(const std::string& name) const { return (fOrdner / name).string(); }

  TTestOrdner fOrdner{"html"};
};

TEST_F(HTMLKommandoTest, WritesEveryPageWithTheSchoolNameGiven) {
  const TErgebnis e =
      Orbato({"html", Pfad("ein.orb"), Pfad("plan"), "--schulname", "Schule am Gr\xC3\xBCnen Weg"});
  EXPECT_EQ(e.status, 0);
  EXPECT_EQ(e.aus, "");
  EXPECT_EQ(e.fehler, "");
  EXPECT_EQ(Dateien(fOrdner / "plan"),
            (std::set<std::string>{"index.html", "lpl.html", "kpl.html", "rpl.html", "ko.html",
                                   "fa.html", "ku.html", "lpl1.html", "lpl2.html", "kpl1.html",
                                   "rpl1.html", "fa1.html", "orbato.css"}));
  const std::string index = LiesDatei(fOrdner / "plan" / "index.html");
  EXPECT_NE(index.find("\r<BODY>\r<H1>Schule am Gr&uuml;nen Weg</H1>\r<H1>Planinformationssystem"),
            std::string::npos);
  EXPECT_NE(LiesDatei(fOrdner / "plan" / "lpl2.html").find("<H1>Lehrerplan &Ouml;Z </H1>"),
            std::string::npos);
  EXPECT_NE(LiesDatei(fOrdner / "plan" / "kpl1.html")
                .find("<TD><DIV CLASS=\"Plan\">\r <A HREF=\"lpl1.html\">ABE</A> <A "
                      "HREF=\"fa1.html\">D</A> <A HREF=\"rpl1.html\">R1</A>\r</DIV></TD>\r"),
            std::string::npos);
}

// Without the option the stored school name is used; --set stands for a stored one.
// The stylesheet goes with the pages in the stored look, unless the option or the stored setting
// leaves it out.
TEST_F(HTMLKommandoTest, WritesTheStylesheetUnlessLeftOut) {
  ASSERT_EQ(Orbato({"html", Pfad("ein.orb"), Pfad("mit"), "--set", "Tevi29/hfth=255"}).status, 0);
  THTMLFarben farben;
  farben.TitelHintergrund = 255;
  EXPECT_EQ(LiesDatei(fOrdner / "mit" / "orbato.css"), Stilvorlage(farben));
  ASSERT_EQ(Orbato({"html", Pfad("ein.orb"), Pfad("ohne"), "--ohne-stylesheet"}).status, 0);
  EXPECT_FALSE(fs::exists(fOrdner / "ohne" / "orbato.css"));
  ASSERT_EQ(Orbato({"html", Pfad("ein.orb"), Pfad("aus"), "--set", "Tevi29/hfss=0"}).status, 0);
  EXPECT_FALSE(fs::exists(fOrdner / "aus" / "orbato.css"));
  EXPECT_TRUE(fs::exists(fOrdner / "aus" / "index.html"));
}

TEST_F(HTMLKommandoTest, TakesTheStoredSchoolNameWithoutTheOption) {
  ASSERT_EQ(Orbato({"html", Pfad("ein.orb"), Pfad("a"), "--set", "Tevi0/snm=Realschule"}).status,
            0);
  EXPECT_NE(LiesDatei(fOrdner / "a" / "ku.html").find("\r<H1>Realschule</H1>\r<H1>Alle Kurse"),
            std::string::npos);
  ASSERT_EQ(
      Orbato({"html", Pfad("ein.orb"), Pfad("b"), "--einstellungen", "/nonexistent.ini"}).status,
      0);
  EXPECT_NE(LiesDatei(fOrdner / "b" / "ku.html").find("\r<BODY>\r<H1></H1>\r"), std::string::npos);
}

TEST_F(HTMLKommandoTest, AnExistingFolderEndsWithTheWarningAndWritesNothing) {
  fs::create_directory(Pfad("plan"));
  const TErgebnis e = Orbato({"html", Pfad("ein.orb"), Pfad("plan")});
  EXPECT_EQ(e.status, 1);
  EXPECT_EQ(e.aus, "");
  EXPECT_EQ(e.fehler, "Kann Verzeichnis nicht erstellen!\n");
  EXPECT_TRUE(fs::is_empty(Pfad("plan")));

  const TErgebnis ohneEltern = Orbato({"html", Pfad("ein.orb"), Pfad("fehlt/plan")});
  EXPECT_EQ(ohneEltern.status, 1);
  EXPECT_FALSE(fs::exists(Pfad("fehlt")));
}

TEST_F(HTMLKommandoTest, WrongUsageAndAMissingPlanFile) {
  EXPECT_EQ(Orbato({"html", Pfad("ein.orb")}).status, 2);
  EXPECT_EQ(Orbato({"html", Pfad("ein.orb"), Pfad("a"), Pfad("b")}).status, 2);
  EXPECT_EQ(Orbato({"html", Pfad("ein.orb"), Pfad("a"), "--schulname"}).status, 2);
  const TErgebnis fehlt = Orbato({"html", Pfad("fehlt.orb"), Pfad("plan")});
  EXPECT_EQ(fehlt.status, 1);
  EXPECT_FALSE(fs::exists(Pfad("plan")));
}

}  // namespace
}  // namespace orbato
