#include "html/vertretungshtml.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "html/stilvorlage.h"
#include "substitution/vertretungsfixture.h"
#include "testordner.h"

namespace orbato {
namespace {

// Wednesday the 9th: MUE away in period 2 with SCH in his place, MEI away in period 2 with no
// one yet, room R3 away in period 1 so that Englisch moves to R4.
class VertretungsHTMLTest : public VertretungsTest {
 protected:
  void SetUp() override {
    fStandard.fSchulname = "Schule am B\xFChl";
    Fehlt(leh, fMue, fMi, "-+");
    Fehlt(leh, fMei, fMi, "-+", "K");
    Fehlt(rau, fR3, fMi, "+");
    fMathe1 = fMatheMi->VertretungFinden(fMi);
    fDeutsch1 = fDeutschMi->VertretungFinden(fMi);
    fEnglisch1 = fEnglischMi->VertretungFinden(fMi);
    fMathe1->TrageLehrerEin(fSch);
    fEnglisch1->TrageRaumEin(fR4);
  }
  TVDEinstellung& Layout(int i) { return fStandard.fVDEinstellung[static_cast<size_t>(i - 1)]; }

  TVertretung* fMathe1 = nullptr;
  TVertretung* fDeutsch1 = nullptr;
  TVertretung* fEnglisch1 = nullptr;
};

// The lines as a page writes them, each closed by a carriage return.
std::string Seite(const std::vector<std::string>& zeilen) {
  std::string bytes;
  for (const std::string& z : zeilen) bytes += z + "\r";
  return bytes;
}
std::string Bytes(const THTMLSeite& s) {
  return {s.Bytes().begin(), s.Bytes().end()};
}
// The page's lines from the first one that is `von` up to and including the next `bis`.
std::vector<std::string> Ausschnitt(const THTMLSeite& s, const std::string& von,
                                    const std::string& bis, int welcher = 1) {
  std::vector<std::string> zeilen, aus;
  std::stringstream ein(Bytes(s));
  for (std::string z; std::getline(ein, z, '\r');) zeilen.push_back(z);
  bool drin = false;
  for (const std::string& z : zeilen) {
    if (!drin && z == von && --welcher == 0) drin = true;
    if (!drin) continue;
    aus.push_back(z);
    if (z == bis) break;
  }
  return aus;
}
std::string Lies(const std::filesystem::path& pfad) {
  std::ifstream ein(pfad, std::ios::binary);
  std::ostringstream inhalt;
  inhalt << ein.rdbuf();
  return inhalt.str();
}

std::vector<std::string> Ueber(const std::string& titel) {
  return {"<TR>", " <TH COLSPAN=5><DIV CLASS=\"Titel\">" + titel + "</DIV></TH>", "</TR>"};
}
std::vector<std::string> Reihe(const std::vector<std::string>& zellen) {
  static const char* kKlassen[] = {"Eins", "Zwei", "Drei", "Vier", "Fuenf"};
  const size_t erste = 5 - zellen.size();
  std::vector<std::string> z = {"<TR>"};
  for (size_t i = 0; i < zellen.size(); ++i) {
    z.push_back(std::string(" <TD><DIV CLASS=\"") + kKlassen[erste + i] + "\">" + zellen[i] +
                "</DIV></TD>");
  }
  z.push_back("</TR>");
  return z;
}
std::vector<std::string> Tabelle(const std::vector<std::vector<std::string>>& teile) {
  std::vector<std::string> z = {"<TABLE>"};
  for (const auto& t : teile) z.insert(z.end(), t.begin(), t.end());
  z.push_back("</TABLE>");
  return z;
}

const std::vector<std::string> kMathe = Reihe({" 2", "MUE 5a M R1", "==&gt;", "SCH 5a M R1", ""});
const std::vector<std::string> kDeutsch = Reihe({" 2", "MEI 5b D R3", "==&gt;", "?????", ""});
const std::vector<std::string> kEnglisch =
    Reihe({" 1", "SCH 5a E R3", "==&gt;", "SCH 5a E R4", "in Raum R4 "});

const std::vector<std::string> kKopf = {
    "<HTML>",
    "<HEAD>",
    "<meta http-equiv=\"content-type\" content=\"text/html; charset=ISO-8859-1\">",
    "<TITLE>Vertretungsplan</TITLE>",
    "<link rel=\"stylesheet\" href=\"orbato.css\" type=\"text/css\">",
    "</HEAD>",
    "<BODY>",
    "<H3>Schule am B&uuml;hl</H3>"};

TEST_F(VertretungsHTMLTest, SubstitutionPageOfTheFirstLayoutLineByLine) {
  std::vector<std::string> z = kKopf;
  const std::vector<std::string> rest = {"<H3>Vertretungsplan f&uuml;r Mittwoch, 09. Dez 2026</H3>",
                                         "",
                                         "&nbsp;",
                                         "<HR>",
                                         "Heute: Schulfest",
                                         "B&uuml;cher &lt;b&gt;",
                                         "<HR>",
                                         "fehlende Lehrer:",
                                         "<TABLE>",
                                         "<TR>",
                                         " <TD><DIV CLASS=\"Null\">MUE</DIV></TD>",
                                         " <TD><DIV CLASS=\"Null\"> 2 -  2</DIV></TD>",
                                         " <TD><DIV CLASS=\"Null\">MEI</DIV></TD>",
                                         " <TD><DIV CLASS=\"Null\"> 2 -  2</DIV></TD>",
                                         "</TR>",
                                         "</TABLE>",
                                         "<HR>",
                                         "fehlende R&auml;ume:",
                                         "<TABLE>",
                                         "<TR>",
                                         " <TD><DIV CLASS=\"Null\">R3</DIV></TD>",
                                         " <TD><DIV CLASS=\"Null\"> 1 -  1</DIV></TD>",
                                         "</TR>",
                                         "</TABLE>",
                                         "<HR>"};
  z.insert(z.end(), rest.begin(), rest.end());
  const auto tabelle = Tabelle({Ueber("5a"), kMathe, Ueber("5b"), kDeutsch});
  z.insert(z.end(), tabelle.begin(), tabelle.end());
  const std::vector<std::string> ersatz = {
      "<HR>", "<H3>Ersatzraumplan f&uuml;r Mittwoch, 09. Dez 2026</H3>", "", "&nbsp;", "<HR>"};
  z.insert(z.end(), ersatz.begin(), ersatz.end());
  const auto raeume = Tabelle({Ueber("5a"), kEnglisch});
  z.insert(z.end(), raeume.begin(), raeume.end());
  z.push_back("<HR>");
  z.push_back("<P><A HREF=\"index.html\">zur&uuml;ck</A></P></BODY>");
  z.push_back("</HTML>");
  EXPECT_EQ(Bytes(VertretungsplanSeite(fMi, 1,
                                       {"Heute: Schulfest",
                                        "B\xFC"
                                        "cher <b>"})),
            Seite(z));
}

TEST_F(VertretungsHTMLTest, ReplacementRoomPageWithEmptyLinesAndWithoutBackLink) {
  fStandard.fVertrLeerzeilen = 2;
  fStandard.fVertrHTMLMitZurueck = false;
  fStandard.fVertrCSS = "../stil/schule.css";
  std::vector<std::string> z = {
      "<HTML>",
      "<HEAD>",
      "<meta http-equiv=\"content-type\" content=\"text/html; charset=ISO-8859-1\">",
      "<TITLE>Ersatzraumplan</TITLE>",
      "<link rel=\"stylesheet\" href=\"../stil/schule.css\" type=\"text/css\">",
      "</HEAD>",
      "<BODY><BR>",
      "<BR>",
      "",
      "<H3>Schule am B&uuml;hl</H3>",
      "<H3>Ersatzraumplan f&uuml;r Mittwoch, 09. Dez 2026</H3>",
      "",
      "&nbsp;",
      "<HR>"};
  const auto raeume = Tabelle({Ueber("5a"), kEnglisch});
  z.insert(z.end(), raeume.begin(), raeume.end());
  for (const char* s : {"<HR>", "<BR>", "<BR>", "</BODY>", "</HTML>"}) z.push_back(s);
  EXPECT_EQ(Bytes(ErsatzraumplanSeite(fMi, 1, {"nicht hier"})), Seite(z));
}

TEST_F(VertretungsHTMLTest, ScrollScriptInTheHeadAndStartedByTheBody) {
  fStandard.fVertrHTMLScrollen = true;
  fStandard.fVertrScrollSekunden = 40;
  fStandard.fVertrScrollPixel = 3;
  fStandard.fVertrLaden = 5;
  fStandard.fVertrLeerzeilen = 1;
  const std::vector<std::string> erwartet = {
      "<TITLE>Vertretungsplan</TITLE>",
      "<script type=\"text/javascript\">",
      "<!--",
      "var zeitScrollen=40;",
      "var zeitLaden=300000;",
      "var SprungPixel=3;",
      "var ende = 0;",
      "",
      "function auto() {",
      "var aktiv1 = window.setInterval(\"scrollen()\",zeitScrollen);",
      "var aktiv2 = window.setInterval(\"laden()\",zeitLaden);",
      "}",
      "",
      "function scrollen() {",
      "var position=0;",
      "if (window.pageYOffset) position=window.pageYOffset;",
      "else if (document.body.scrollTop) position=document.body.scrollTop;",
      "if (position>=ende-1) scrollTo(0,-1);",
      "else window.scrollBy(0,SprungPixel);",
      "}",
      "",
      "function laden() {",
      "window.history.go(0);",
      "}",
      "",
      "function windowSize() {",
      "window.scrollBy(0,50000);",
      "if (window.pageYOffset) ende=window.pageYOffset;",
      "else if (document.body.scrollTop) ende=document.body.scrollTop;",
      "auto();",
      "}",
      "// -->",
      "</script>",
      "<link rel=\"stylesheet\" href=\"orbato.css\" type=\"text/css\">",
      "</HEAD>",
      "<BODY onLoad=windowSize()><BR>",
      "",
      "<H3>Schule am B&uuml;hl</H3>"};
  const THTMLSeite seite = VertretungsplanSeite(fMi, 1, {});
  EXPECT_EQ(Ausschnitt(seite, "<TITLE>Vertretungsplan</TITLE>", "<H3>Schule am B&uuml;hl</H3>"),
            erwartet);
  EXPECT_EQ(Ausschnitt(seite, "<HR>", "</HTML>", 6),
            (std::vector<std::string>{"<HR>", "<P><A HREF=\"index.html\">zur&uuml;ck</A></P><BR>",
                                      "</BODY>", "</HTML>"}));
}

TEST_F(VertretungsHTMLTest, IndexOfAFridayLinksMondayAndThursday) {
  const std::vector<std::string> z = {
      "<HTML>",
      "<HEAD>",
      "<TITLE>Vertretungsinformationssystem</TITLE>",
      "<link rel=\"stylesheet\" href=\"orbato.css\" type=\"text/css\">",
      "</HEAD>",
      "<BODY>",
      "<H3>Schule am B&uuml;hl</H3>",
      "<H3>Vertretungsinformationssystem</H3>",
      "",
      "&nbsp;",
      "<H2>Freitag, 11. Dez. 2026</H2>",
      "",
      "<H3><A HREF=\"vp.html\">Vertretungsplan</A></H3>",
      "<H3><A HREF=\"ep.html\">Ersatzraumplan</A></H3>",
      "<H3><A HREF=\"../Vertretung 14-12-2026/index.html\">Montag 14.12.2026</A></H3>",
      "<H3><A HREF=\"../Vertretung 10-12-2026/index.html\">Donnerstag 10.12.2026</A></H3>",
      "</BODY>",
      "</HTML>"};
  EXPECT_EQ(Bytes(VertretungsIndexSeite(Dez(11))), Seite(z));
  // A Monday goes back to Friday; one common file has no link of its own.
  fStandard.fVertrHTMLGemeinsam = true;
  EXPECT_EQ(Ausschnitt(VertretungsIndexSeite(Dez(14)), "", "</BODY>", 2),
            (std::vector<std::string>{
                "", "<H3><A HREF=\"vp.html\">Vertretungsplan</A></H3>",
                "<H3><A HREF=\"../Vertretung 15-12-2026/index.html\">Dienstag 15.12.2026</A></H3>",
                "<H3><A HREF=\"../Vertretung 11-12-2026/index.html\">Freitag 11.12.2026</A></H3>",
                "</BODY>"}));
  // Holidays are not skipped; a six-day week reaches Saturday and goes back to it.
  fStandard.fFerien[KalenderWoche(Dez(14))] = 0x01;
  fStandard.fMaxTageNeu = 6;
  EXPECT_EQ(NaechsterVertretungsTag(Dez(11)), Dez(12));
  EXPECT_EQ(NaechsterVertretungsTag(Dez(12)), Dez(14));
  EXPECT_EQ(VorigerVertretungsTag(Dez(15)), Dez(14));
  EXPECT_EQ(VorigerVertretungsTag(Dez(14)), Dez(12));
  EXPECT_EQ(TagesordnerName(Dez(9)), "Vertretung 09-12-2026");
}

TEST_F(VertretungsHTMLTest, DayFolderHoldsThreeFilesOrTwo) {
  TTestOrdner ordner("vertretungshtml");
  const std::string getrennt = (ordner / "Vertretung 09-12-2026").string();
  ASSERT_TRUE(VertretungImTagesordner(fSchule, fMi, 1, {"Hallo"}, getrennt));
  std::vector<std::string> namen;
  for (const auto& e : std::filesystem::directory_iterator(getrennt)) {
    namen.push_back(e.path().filename().string());
  }
  std::sort(namen.begin(), namen.end());
  EXPECT_EQ(namen, (std::vector<std::string>{"ep.html", "index.html", "orbato.css", "vp.html"}));
  EXPECT_EQ(Lies(getrennt + "/index.html"), Bytes(VertretungsIndexSeite(fMi)));
  EXPECT_EQ(Lies(getrennt + "/vp.html"), Bytes(VertretungsplanSeite(fMi, 1, {"Hallo"})));
  EXPECT_EQ(Lies(getrennt + "/ep.html"), Bytes(ErsatzraumplanSeite(fMi, 1, {"Hallo"})));
  const auto meldungen = fDialoge.Protokoll(TDialogVorgang::MeldungZeigen);
  ASSERT_EQ(meldungen.size(), 1u);
  EXPECT_EQ(meldungen[0].fTitel, "HTML-Export");
  EXPECT_EQ(meldungen[0].fZeilen,
            std::vector<std::string>{"Der Vertretungsplan wird als HTML-Datei exportiert."});
  EXPECT_FALSE(fDialoge.MeldungOffen());

  fStandard.fVertrHTMLGemeinsam = true;
  const std::string gemeinsam = (ordner / "gemeinsam").string();
  ASSERT_TRUE(VertretungImTagesordner(fSchule, fMi, 1, {}, gemeinsam));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(gemeinsam),
                          std::filesystem::directory_iterator()),
            3);
  EXPECT_TRUE(std::filesystem::exists(gemeinsam + "/vp.html"));
  EXPECT_TRUE(std::filesystem::exists(gemeinsam + "/index.html"));

  // An existing folder is refused before anything is written.
  fDialoge.ProtokollLeeren();
  EXPECT_FALSE(VertretungImTagesordner(fSchule, fMi, 1, {}, getrennt + "/index.html"));
  EXPECT_FALSE(VertretungImTagesordner(fSchule, fMi, 1, {}, gemeinsam));
  const auto warnungen = fDialoge.Protokoll(TDialogVorgang::Nachricht);
  ASSERT_EQ(warnungen.size(), 2u);
  EXPECT_EQ(warnungen[1].fZeilen, std::vector<std::string>{"Kann Verzeichnis nicht erstellen!"});
  EXPECT_EQ(fDialoge.Anzahl(TDialogVorgang::MeldungZeigen), 0u);
}

// The day folder gets the stylesheet in the look of the settings when its pages link it by its
// plain name; not when they link one elsewhere, nor when the settings leave it out.
TEST_F(VertretungsHTMLTest, DayFolderGetsTheStylesheetOnlyWhenItsPagesLinkItThere) {
  TTestOrdner ordner("vertretungshtml");
  fStandard.fHTMLFarben.AdhocHintergrund = THTMLFarben::Farbe(255, 0, 255);
  ASSERT_TRUE(VertretungImTagesordner(fSchule, fMi, 1, {}, (ordner / "a").string()));
  EXPECT_EQ(Lies(ordner / "a" / "orbato.css"), Stilvorlage(fStandard.fHTMLFarben));

  fStandard.fVertrCSS = "../orbato.css";
  ASSERT_TRUE(VertretungImTagesordner(fSchule, fMi, 1, {}, (ordner / "b").string()));
  EXPECT_FALSE(std::filesystem::exists(ordner / "b" / "orbato.css"));
  EXPECT_FALSE(std::filesystem::exists(ordner / "orbato.css"));

  fStandard.fVertrCSS = "orbato.css";
  fStandard.fStilvorlageSchreiben = false;
  ASSERT_TRUE(VertretungImTagesordner(fSchule, fMi, 1, {}, (ordner / "c").string()));
  EXPECT_FALSE(std::filesystem::exists(ordner / "c" / "orbato.css"));
  EXPECT_TRUE(std::filesystem::exists(ordner / "c" / "vp.html"));
}

TEST_F(VertretungsHTMLTest, SingleFilesSkipAnEmptyPathAndTheRoomFileWhenCommon) {
  TTestOrdner ordner("vertretungshtml");
  const std::string vp = (ordner / "a.html").string(), ep = (ordner / "b.html").string();
  VertretungInDateien(fSchule, fMi, 1, {}, "", ep);
  EXPECT_FALSE(std::filesystem::exists(vp));
  EXPECT_EQ(Lies(ep), Bytes(ErsatzraumplanSeite(fMi, 1, {})));
  std::filesystem::remove(ep);
  fStandard.fVertrHTMLGemeinsam = true;
  VertretungInDateien(fSchule, fMi, 1, {}, vp, ep);
  EXPECT_EQ(Lies(vp), Bytes(VertretungsplanSeite(fMi, 1, {})));
  EXPECT_FALSE(std::filesystem::exists(ep));
  // Named files go where the school keeps its pages, and its stylesheet with them.
  EXPECT_FALSE(std::filesystem::exists(ordner / "orbato.css"));
}

TEST_F(VertretungsHTMLTest, GroupsBySubstituteAbsentTeacherAndPeriod) {
  // A cancelled lesson and a teacher named by his info text.
  fSch->fInfo = "Herr Sch\xF6n";
  fMue->fInfo = "Frau M\xFCller";
  Fehlt(leh, fSch, fMi, "-----+");
  TVertretung* sport = nullptr;
  for (TVertretung* v : fSchule.fVertretungsMenge) {
    if (v->fKurs == fSport) sport = v;
  }
  ASSERT_NE(sport, nullptr);
  sport->Frei();
  Layout(1).LehrerBezeichnung = 1;
  Layout(1).OrigKlasse = false;
  Layout(1).OrigRaum = false;
  Layout(1).VertrKlasse = false;
  Layout(1).VertrRaum = false;
  Layout(1).PlanSortierung = 1;
  const auto zeilen = [](std::string s, std::string o, std::string v) {
    return Reihe({s, o, "==&gt;", v, ""});
  };
  const auto mathe = zeilen(" 2", "M", "Herr Sch&ouml;n M");
  const auto deutsch = zeilen(" 2", "D", "?????");
  auto sportZeile = zeilen(" 6", "S", "-----");
  sportZeile[5] = " <TD><DIV CLASS=\"Fuenf\">frei</DIV></TD>";
  Layout(1).OrigLehrer = false;
  // Order 2: substitute teacher, none first; then period.
  EXPECT_EQ(Ausschnitt(VertretungsplanSeite(fMi, 1, {}), "<TABLE>", "</TABLE>", 3),
            Tabelle({Ueber("?????"), deutsch, Ueber("frei"), sportZeile, Ueber("Herr Sch&ouml;n"),
                     mathe}));
  // Order 1: real substitutes first, then the absent teacher by his info text, none for MEI.
  Layout(1).PlanSortierung = 2;
  EXPECT_EQ(Ausschnitt(VertretungsplanSeite(fMi, 1, {}), "<TABLE>", "</TABLE>", 3),
            Tabelle({Ueber("Frau M&uuml;ller"), mathe, Ueber("Herr Sch&ouml;n"), sportZeile,
                     Ueber(""), deutsch}));
  // Order 3 by period, without the period column.
  Layout(1).PlanSortierung = 3;
  const auto ohneStunde = [](std::vector<std::string> z) {
    z.erase(z.begin() + 1);
    return z;
  };
  EXPECT_EQ(Ausschnitt(VertretungsplanSeite(fMi, 1, {}), "<TABLE>", "</TABLE>", 3),
            Tabelle({Ueber(" 2"), ohneStunde(mathe), ohneStunde(deutsch), Ueber(" 6"),
                     ohneStunde(sportZeile)}));
}

TEST_F(VertretungsHTMLTest, OnlySubstitutedLessonsDropRowAndHeading) {
  fStandard.fVertrHTMLNurVertreteneStd = true;
  Layout(1).PlanSortierung = 1;
  Layout(1).MitFehlLehrern = Layout(1).MitFehlRaeumen = false;
  // The "?????" group opens with MEI's lesson and is gone with it.
  EXPECT_EQ(Ausschnitt(VertretungsplanSeite(fMi, 1, {}), "<TABLE>", "</TABLE>"),
            Tabelle({Ueber("SCH"), kMathe}));
  Layout(1).PlanSortierung = 0;
  EXPECT_EQ(Ausschnitt(VertretungsplanSeite(fMi, 1, {}), "<TABLE>", "</TABLE>"),
            Tabelle({Ueber("5a"), kMathe}));
}

TEST_F(VertretungsHTMLTest, AdHocMarksOnlyWithTheOptionAndFiltersWithNurAdHoc) {
  fDeutsch1->SetAdHoc(Dez(4) + 0.5);
  Layout(1).MitFehlLehrern = Layout(1).MitFehlRaeumen = false;
  EXPECT_EQ(Ausschnitt(VertretungsplanSeite(fMi, 1, {}), "<TABLE>", "</TABLE>"),
            Tabelle({Ueber("5a"), kMathe, Ueber("5b"), kDeutsch}));
  Layout(1).MitAdHoc = true;
  std::vector<std::string> adhoc = {"<TR>"};
  for (const auto& [k, t] :
       std::vector<std::pair<std::string, std::string>>{{"Eins", " 2"},
                                                        {"Zwei", "MUE 5a M R1"},
                                                        {"Drei", "==&gt;"},
                                                        {"Vier", "SCH 5a M R1"},
                                                        {"Fuenf", ""}}) {
    adhoc.push_back(" <TD><DIV CLASS=\"" + k + "\"><DIV CLASS=\"Adhoc\">" + t +
                    "</DIV></DIV></TD>");
  }
  adhoc.push_back("</TR>");
  EXPECT_EQ(Ausschnitt(VertretungsplanSeite(fMi, 1, {}), "<TABLE>", "</TABLE>"),
            Tabelle({Ueber("5a"), adhoc, Ueber("5b"), kDeutsch}));
  Layout(1).MitAdHoc = false;
  Layout(1).NurAdHoc = true;
  EXPECT_EQ(Ausschnitt(VertretungsplanSeite(fMi, 1, {}), "<TABLE>", "</TABLE>"),
            Tabelle({Ueber("5a"), kMathe}));
}

TEST_F(VertretungsHTMLTest, ACourseOfTwoClassesStandsUnderEachPresentClass) {
  fMathe->KlasseErgaenzen(f5b);
  Layout(1).MitFehlLehrern = Layout(1).MitFehlRaeumen = false;
  const auto tabelle = [&] {
    return Ausschnitt(VertretungsplanSeite(fMi, 1, {}), "<TABLE>", "</TABLE>");
  };
  EXPECT_EQ(tabelle(), Tabelle({Ueber("5a"), kMathe, Ueber("5b"), kMathe, kDeutsch}));
  // 5a away in period 2 leaves the course under 5b only.
  Fehlt(kla, f5a, fMi, "-+");
  Layout(1).MitFehlKlassen = false;
  EXPECT_EQ(tabelle(), Tabelle({Ueber("5b"), kMathe, kDeutsch}));
}

TEST_F(VertretungsHTMLTest, AbsenceListsTwoPerRowWithReasons) {
  Fehlt(leh, fKoc, fMi, "--+++", "F");
  Layout(1).MitFehlgrund = true;
  EXPECT_EQ(
      Ausschnitt(VertretungsplanSeite(fMi, 1, {}), "fehlende Lehrer:", "<HR>"),
      (std::vector<std::string>{
          "fehlende Lehrer:", "<TABLE>", "<TR>", " <TD><DIV CLASS=\"Null\">(-) MUE</DIV></TD>",
          " <TD><DIV CLASS=\"Null\"> 2 -  2</DIV></TD>",
          " <TD><DIV CLASS=\"Null\">(K) MEI</DIV></TD>",
          " <TD><DIV CLASS=\"Null\"> 2 -  2</DIV></TD>", "</TR>", "<TR>",
          " <TD><DIV CLASS=\"Null\">(F) KOC</DIV></TD>",
          " <TD><DIV CLASS=\"Null\"> 3 -  5</DIV></TD>", "</TR>", "</TABLE>", "<HR>"}));
}

// A notice screen in the corridor: neither MUE nor MEI, who are away, is named anywhere on the
// page, and the grouping by absent teacher falls back to classes.
TEST_F(VertretungsHTMLTest, WithoutAbsentNamesOnlyTheSubstituteShows) {
  Layout(1).OhneFehlendeLehrer = true;
  Layout(1).PlanSortierung = 2;
  const THTMLSeite seite = VertretungsplanSeite(fMi, 1, {});
  EXPECT_EQ(Bytes(seite).find("MUE"), std::string::npos);
  EXPECT_EQ(Bytes(seite).find("MEI"), std::string::npos);
  EXPECT_EQ(Bytes(seite).find("fehlende Lehrer:"), std::string::npos);
  EXPECT_EQ(Ausschnitt(seite, "fehlende R&auml;ume:", "<HR>").size(), 8u);
  EXPECT_EQ(Ausschnitt(seite, "<TABLE>", "</TABLE>", 2),
            Tabelle({Ueber("5a"), Reihe({" 2", "5a M R1", "==&gt;", "SCH 5a M R1", ""}),
                     Ueber("5b"), Reihe({" 2", "5b D R3", "==&gt;", "?????", ""})}));
  EXPECT_EQ(
      Ausschnitt(seite, "<TABLE>", "</TABLE>", 3),
      Tabelle({Ueber("5a"), Reihe({" 1", "5a E R3", "==&gt;", "SCH 5a E R4", "in Raum R4 "})}));
  // The other layouts keep naming them.
  EXPECT_NE(Bytes(VertretungsplanSeite(fMi, 2, {})).find("fehlende Lehrer:"), std::string::npos);
}

TEST_F(VertretungsHTMLTest, FourFilesFollowTheNextSchoolDayOverAHolidayMonday) {
  TTestOrdner ordner("vertretungshtml");
  fStandard.fVertrCheck = {true, true, true, true};
  Setze(fMathe, 1, 2, 2, fR1);
  Fehlt(leh, fMue, Dez(15), "-+");
  fStandard.fFerien[KalenderWoche(Dez(14))] = 0x01;
  for (int i = 1; i <= 4; ++i) Layout(i).HTMLPfad = (ordner / ("l" + std::to_string(i))).string();
  Layout(2).Folgetag = true;
  Layout(2).MitKalenderwoche = true;
  Layout(3).HTMLPfad.clear();
  VierHTMLDateienExportieren(fSchule, Dez(11), {});
  EXPECT_EQ(Lies(ordner / "l1"),
            Bytes(VertretungsplanSeite(Dez(11), 1, {}, TErsatzTeil::NurGemeinsam)));
  const THTMLSeite dienstag = VertretungsplanSeite(Dez(15), 2, {}, TErsatzTeil::NurGemeinsam);
  EXPECT_EQ(Lies(ordner / "l2"), Bytes(dienstag));
  EXPECT_EQ(Ausschnitt(dienstag, "<TABLE>", "</TABLE>", 2),
            Tabelle({Ueber("5a"), Reihe({" 2", "MUE 5a M R1", "==&gt;", "?????", ""})}));
  EXPECT_NE(Bytes(dienstag).find("<H3>Vertretungsplan f&uuml;r Dienstag, 15. Dez 2026  KW 51</H3>"),
            std::string::npos);
  // The replacement rooms only in a common file.
  EXPECT_EQ(Bytes(dienstag).find("Ersatzraumplan"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(ordner / "l3"));
  const auto meldung = fDialoge.Protokoll(TDialogVorgang::Nachricht);
  ASSERT_EQ(meldung.size(), 1u);
  EXPECT_EQ(meldung[0].fZeilen, std::vector<std::string>{"Die 4 HTML-Dateien wurden exportiert."});
  fStandard.fVertrHTMLGemeinsam = true;
  EXPECT_NE(Bytes(VertretungsplanSeite(Dez(15), 2, {}, TErsatzTeil::NurGemeinsam))
                .find("<H3>Ersatzraumplan f&uuml;r Dienstag, 15. Dez 2026  KW 51</H3>"),
            std::string::npos);
  EXPECT_EQ(FolgeSchultag(Dez(9)), Dez(10));
}

TEST_F(VertretungsHTMLTest, ReplacementRoomsGroupedByRoomTeacherAndPeriod) {
  // Mathe on Thursday in R1 moves to R5 while MUE teaches it himself.
  Fehlt(rau, fR1, Dez(10), "-+");
  fMatheDo2->VertretungFinden(Dez(10))->TrageRaumEin(fR5);
  Fehlt(rau, fR3, Dez(10), "--+");
  TVertretung* englischDo = fEnglisch->fSetzungen.ListeNrInhalt(2)->VertretungFinden(Dez(10));
  ASSERT_NE(englischDo, nullptr);
  englischDo->TrageRaumEin(fR4);
  const auto mathe = Reihe({" 2", "MUE 5a M R1", "==&gt;", "MUE 5a M R5", "in Raum R5 "});
  const auto englisch = Reihe({" 3", "SCH 5a E R3", "==&gt;", "SCH 5a E R4", "in Raum R4 "});
  Layout(1).PlanDrucken = false;
  Layout(1).ErsatzSortierung = 2;
  // With the plan part off the remarks stand before the replacement rooms.
  EXPECT_EQ(Ausschnitt(ErsatzraumplanSeite(Dez(10), 1, {"Info"}), "&nbsp;", "<TABLE>"),
            (std::vector<std::string>{"&nbsp;", "<HR>", "Info", "<HR>", "<TABLE>"}));
  EXPECT_EQ(Ausschnitt(ErsatzraumplanSeite(Dez(10), 1, {}), "<TABLE>", "</TABLE>"),
            Tabelle({Ueber("R1"), mathe, Ueber("R3"), englisch}));
  Layout(1).ErsatzSortierung = 1;
  EXPECT_EQ(Ausschnitt(ErsatzraumplanSeite(Dez(10), 1, {}), "<TABLE>", "</TABLE>"),
            Tabelle({Ueber("MUE"), mathe, Ueber("SCH"), englisch}));
  // By class the first class's courses in the order of the list: period before teacher.
  Layout(1).ErsatzSortierung = 0;
  EXPECT_EQ(Ausschnitt(ErsatzraumplanSeite(Dez(10), 1, {}), "<TABLE>", "</TABLE>"),
            Tabelle({Ueber("5a"), mathe, englisch}));
}

}  // namespace
}  // namespace orbato
