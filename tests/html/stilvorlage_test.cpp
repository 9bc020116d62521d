#include "html/stilvorlage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "persist/standardspeicher.h"
#include "persist/streamfehler.h"
#include "testordner.h"

namespace orbato {
namespace {

using H = THTMLFarben;

std::string LiesDatei(const std::filesystem::path& pfad) {
  std::ifstream datei(pfad, std::ios::binary);
  return {std::istreambuf_iterator<char>(datei), std::istreambuf_iterator<char>()};
}

// The text of one rule, from its selector line to its closing brace.
std::string Regel(const std::string& blatt, const std::string& selektor) {
  const std::size_t anfang = blatt.find("\n" + selektor + " {\n");
  if (anfang == std::string::npos) return "fehlt: " + selektor;
  return blatt.substr(anfang + 1, blatt.find("}\n", anfang) + 2 - anfang - 1);
}

// The sheet of the default look with one rule's text replaced.
std::string MitRegel(const std::string& selektor, const std::string& neu) {
  std::string blatt = Stilvorlage(H{});
  const std::string alt = Regel(blatt, selektor);
  blatt.replace(blatt.find(alt), alt.size(), neu);
  return blatt;
}

TEST(Stilvorlage, ShippedSheetIsTheDefaultLook) {
  EXPECT_EQ(LiesDatei(ORBATO_STILVORLAGE), Stilvorlage(H{}));
}

TEST(Stilvorlage, DefaultSheetIsPlainAsciiWithLineFeeds) {
  const std::string blatt = Stilvorlage(H{});
  for (const char c : blatt) {
    ASSERT_TRUE(c == '\n' || (c >= 0x20 && c < 0x7F)) << static_cast<int>(c);
  }
  EXPECT_EQ(blatt.substr(blatt.size() - 4), ";\n}\n");
  EXPECT_EQ(blatt.find("\n\n\n"), std::string::npos);
  EXPECT_EQ(Regel(blatt, "body"),
            "body {\n"
            "  background-color: #FFFFFF;\n"
            "  color: #000000;\n"
            "  font-family: \"Arial\", sans-serif;\n"
            "  font-size: 14pt;\n"
            "  margin: 0.5em 1em;\n"
            "}\n");
  EXPECT_EQ(Regel(blatt, "table"),
            "table {\n  border-collapse: collapse;\n  margin: 0.3em 0;\n}\n");
  EXPECT_EQ(Regel(blatt, "th"),
            "th {\n  background-color: #1F3A5F;\n  color: #FFFFFF;\n  font-weight: bold;\n}\n");
  EXPECT_EQ(Regel(blatt, ".Adhoc"),
            ".Adhoc {\n  background-color: #FFE680;\n  color: #A00000;\n"
            "  font-weight: bold;\n  margin: -0.15em -0.4em;\n  padding: 0.15em 0.4em;\n}\n");
}

// Every class and element the pages use has a rule of its own or shares one.
TEST(Stilvorlage, CoversEveryClassOfThePages) {
  const std::string blatt = Stilvorlage(H{});
  for (const char* name : {".Titel", ".Plan", ".Null", ".Eins", ".Drei", ".Fuenf", ".Adhoc",
                           "\nbody", "h1", "h2", "h3", "\ntable", "th", "td", "\na", "\nhr"}) {
    EXPECT_NE(blatt.find(name), std::string::npos) << name;
  }
}

// A colour is written as #RRGGBB from the Windows value, in its own rules and nowhere else.
TEST(Stilvorlage, ChangedColourChangesOnlyItsRules) {
  H f;
  f.TitelHintergrund = 0x0000FF;  // red
  f.TitelText = H::Farbe(0x12, 0x34, 0x56);
  f.TitelFett = false;
  EXPECT_EQ(Stilvorlage(f), MitRegel("th",
                                     "th {\n  background-color: #FF0000;\n"
                                     "  color: #123456;\n  font-weight: normal;\n}\n"));

  H a;
  a.AdhocHintergrund = H::Farbe(0, 0, 255);
  a.AdhocText = 0xFFFFFF;
  std::string adhoc = MitRegel(".Adhoc",
                               ".Adhoc {\n  background-color: #0000FF;\n"
                               "  color: #FFFFFF;\n  font-weight: bold;\n"
                               "  margin: -0.15em -0.4em;\n  padding: 0.15em 0.4em;\n}\n");
  // The cell around an empty mark takes the same background.
  const std::string zelle = Regel(adhoc, "td:has(.Adhoc)");
  adhoc.replace(adhoc.find(zelle), zelle.size(),
                "td:has(.Adhoc) {\n  background-color: #0000FF;\n}\n");
  EXPECT_EQ(Stilvorlage(a), adhoc);

  H p;
  p.PlanHintergrund = H::Farbe(0xF0, 0xF0, 0xF0);
  p.PlanText = H::Farbe(0x20, 0x20, 0x20);
  EXPECT_EQ(Stilvorlage(p), MitRegel("td",
                                     "td {\n  background-color: #F0F0F0;\n"
                                     "  color: #202020;\n}\n"));
}

TEST(Stilvorlage, SharedColoursReachEveryRuleThatUsesThem) {
  H f;
  f.PlanRahmen = H::Farbe(1, 2, 3);
  f.Verweis = H::Farbe(0xAA, 0xBB, 0xCC);
  f.Ueberschrift = H::Farbe(0, 0x80, 0);
  const std::string blatt = Stilvorlage(f);
  EXPECT_EQ(Regel(blatt, "th, td"),
            "th, td {\n  border: 1px solid #010203;\n  padding: 0.15em 0.4em;\n"
            "  vertical-align: top;\n  text-align: left;\n}\n");
  EXPECT_EQ(Regel(blatt, "hr"),
            "hr {\n  border: 0;\n  border-top: 2px solid #010203;\n  margin: 0.5em 0;\n}\n");
  EXPECT_EQ(Regel(blatt, "a"), "a {\n  color: #AABBCC;\n  text-decoration: none;\n}\n");
  EXPECT_EQ(Regel(blatt, "a:visited"), "a:visited {\n  color: #AABBCC;\n}\n");
  EXPECT_EQ(Regel(blatt, "h1, h2, h3"), "h1, h2, h3 {\n  color: #008000;\n  margin: 0.4em 0;\n}\n");
}

// The family stays one quoted CSS string in ASCII whatever the name holds.
TEST(Stilvorlage, FontNameIsQuotedAndEscaped) {
  H f;
  f.Schrift = {"Trebuchet \"MS\" \xC4\\\x80", 20};
  EXPECT_EQ(Regel(Stilvorlage(f), "body"),
            "body {\n"
            "  background-color: #FFFFFF;\n"
            "  color: #000000;\n"
            "  font-family: \"Trebuchet \\22 MS\\22  \\C4 \\5C \\20AC \", sans-serif;\n"
            "  font-size: 20pt;\n"
            "  margin: 0.5em 1em;\n"
            "}\n");
  f.Schrift = {"a;}b{", 2};
  const std::string blatt = Stilvorlage(f);
  EXPECT_NE(blatt.find("  font-family: \"a;}b{\", sans-serif;\n  font-size: 6pt;\n"),
            std::string::npos);
  f.Schrift.Groesse = 500;
  EXPECT_NE(Stilvorlage(f).find("  font-size: 72pt;\n"), std::string::npos);
}

TEST(Stilvorlage, WritesTheSheetIntoTheFolderReplacingAnOldOne) {
  const TTestOrdner ordner("stilvorlage");
  {
    std::ofstream alt(ordner / "orbato.css");
    alt << "alt";
  }
  H f;
  f.Hintergrund = H::Farbe(0, 0, 0);
  EXPECT_EQ(SchreibeStilvorlage(ordner.Pfad().string(), f), (ordner / "orbato.css").string());
  EXPECT_EQ(LiesDatei(ordner / "orbato.css"), Stilvorlage(f));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(ordner.Pfad()),
                          std::filesystem::directory_iterator()),
            1);
}

// Beside published pages the sheet is written only where none is: a school's own stays as it is.
TEST(Stilvorlage, BesideThePagesOnlyWhereNoneIsAndWhenTheSettingsAskForIt) {
  const TTestOrdner ordner("stilvorlage");
  TStandard s;
  s.fHTMLFarben.PlanRahmen = H::Farbe(1, 2, 3);
  EXPECT_TRUE(StilvorlageBeilegen(ordner.Pfad().string(), s));
  EXPECT_EQ(LiesDatei(ordner / "orbato.css"), Stilvorlage(s.fHTMLFarben));

  {
    std::ofstream eigene(ordner / "orbato.css", std::ios::trunc | std::ios::binary);
    eigene << "body { color: red; }\n";
  }
  EXPECT_FALSE(StilvorlageBeilegen(ordner.Pfad().string(), s));
  EXPECT_EQ(LiesDatei(ordner / "orbato.css"), "body { color: red; }\n");

  std::filesystem::remove(ordner / "orbato.css");
  s.fStilvorlageSchreiben = false;
  EXPECT_FALSE(StilvorlageBeilegen(ordner.Pfad().string(), s));
  EXPECT_TRUE(std::filesystem::is_empty(ordner.Pfad()));
}

TEST(Stilvorlage, MissingFolderIsAStreamError) {
  const TTestOrdner ordner("stilvorlage");
  const std::string fehlt = (ordner / "fehlt").string();
  try {
    SchreibeStilvorlage(fehlt, H{});
    FAIL() << "kein Fehler";
  } catch (const TStreamFehler& f) {
    EXPECT_EQ(
        std::string(f.what()).rfind("Datei \"" + fehlt + kTrenner + "orbato.css\" kann nicht", 0),
        0u)
        << f.what();
  }
  EXPECT_FALSE(std::filesystem::exists(fehlt));
}

// The look is kept with the other values of the pages; a store without them gives the defaults.
TEST(HTMLFarbenSpeicher, LookSurvivesSaveAndLoad) {
  TStandard s;
  s.fHTMLFarben.Hintergrund = H::Farbe(1, 2, 3);
  s.fHTMLFarben.Text = 0xFFFFFF;
  s.fHTMLFarben.Schrift = {"Verdana", 18};
  s.fHTMLFarben.TitelHintergrund = 5;
  s.fHTMLFarben.TitelText = 6;
  s.fHTMLFarben.TitelFett = false;
  s.fHTMLFarben.PlanHintergrund = 7;
  s.fHTMLFarben.PlanText = 8;
  s.fHTMLFarben.PlanRahmen = 9;
  s.fHTMLFarben.AdhocHintergrund = 10;
  s.fHTMLFarben.AdhocText = 11;
  s.fHTMLFarben.Ueberschrift = 12;
  s.fHTMLFarben.Verweis = 13;
  s.fHTMLFarbenPfad = "/srv/www/plan/";
  s.fStilvorlageSchreiben = false;
  TEinstellungenImSpeicher speicher;
  SaveStandard(s, speicher);
  speicher.OeffneSchluessel("Tevi29");
  EXPECT_EQ(speicher.LiesWert("hfhg"), "197121");
  EXPECT_EQ(speicher.LiesWert("hffn"), "Verdana");
  EXPECT_EQ(speicher.LiesWert("hffs"), "18");
  EXPECT_EQ(speicher.LiesWert("hftf"), "0");
  EXPECT_EQ(speicher.LiesWert("hfve"), "13");
  EXPECT_EQ(speicher.LiesWert("hfpf"), "/srv/www/plan/");
  EXPECT_EQ(speicher.LiesWert("hfss"), "0");
  TStandard geladen;
  LoadStandard(geladen, speicher);
  EXPECT_EQ(geladen.fHTMLFarben, s.fHTMLFarben);
  EXPECT_EQ(geladen.fHTMLFarbenPfad, s.fHTMLFarbenPfad);
  EXPECT_FALSE(geladen.fStilvorlageSchreiben);
}

TEST(HTMLFarbenSpeicher, OlderStoreAndBadValuesGiveTheDefaults) {
  TEinstellungenImSpeicher speicher;
  speicher.Setze("Tevi29", "vcs", "schule.css");
  speicher.Setze("Tevi29", "hfth", "16777216");
  speicher.Setze("Tevi29", "hfpr", "-1");
  speicher.Setze("Tevi29", "hfat", "rot");
  speicher.Setze("Tevi29", "hfah", "255");
  TStandard s;
  s.fHTMLFarben.TitelHintergrund = 1;
  s.fHTMLFarbenPfad = "x";
  s.fStilvorlageSchreiben = false;
  LoadStandard(s, speicher);
  EXPECT_EQ(s.fVertrCSS, "schule.css");
  EXPECT_TRUE(s.fStilvorlageSchreiben);
  H erwartet;
  erwartet.AdhocHintergrund = 255;
  EXPECT_EQ(s.fHTMLFarben, erwartet);
  EXPECT_EQ(s.fHTMLFarbenPfad, "");

  // Like every Boolean, only "1" is true.
  speicher.Setze("Tevi29", "hfss", "true");
  LoadStandard(s, speicher);
  EXPECT_FALSE(s.fStilvorlageSchreiben);
}

}  // namespace
}  // namespace orbato
