#include "html/planhtml.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "html/stilvorlage.h"
#include "model/schnittstellen/dialoge.h"
#include "model/schulfixture.h"
#include "persist/puffer.h"
#include "persist/streamfehler.h"
#include "testordner.h"

namespace orbato {
namespace {

std::string Text(const THTMLSeite& seite) {
  return {seite.Bytes().begin(), seite.Bytes().end()};
}

// The lines as the pages end them: a carriage return each, no line feed.
std::string Zeilen(std::initializer_list<std::string_view> zeilen) {
  std::string text;
  for (std::string_view z : zeilen) {
    text += z;
    text += '\r';
  }
  return text;
}

std::string LiesDatei(const std::filesystem::path& pfad) {
  std::ifstream ein(pfad, std::ios::binary);
  std::ostringstream inhalt;
  inhalt << ein.rdbuf();
  return inhalt.str();
}

const char kKopf[] =
    "<HTML>\r<HEAD>\r"
    "<meta http-equiv=\"content-type\" content=\"text/html; charset=ISO-8859-1\">\r";
const char kStil[] = "<link rel=\"stylesheet\" href=\"orbato.css\" type=\"text/css\">\r";
const char kSchule[] = "<H1>Schule am &lt;See&gt; &amp Co</H1>\r";

// Five teachers, two classes, two rooms, a coupling and two subjects. MÜL teaches German to 5a
// and 5b in the coupling REL on Monday in period 1 in room R1 (R2 allowed too), and maths
// without a class on Tuesday in period 2 without a room.
class PlanHTML : public SchulTest {
 protected:
  void SetUp() override {
    fStandard.fSchulname = "Schule am <See> &amp Co";
    fStandard.fMaxTageNeu = 5;
    fStandard.fPlnStd = 2;
    const char* tage[] = {"Mo", "Di", "Mi", "Do", "Fr"};
    for (int i = 0; i < 5; ++i) fStandard.fTagBez[static_cast<std::size_t>(i)] = tage[i];
    fStandard.fStdBez[0][0] = "1.";
    fStandard.fStdBez[0][1] = "2. <Pause>";
    fMul = fSchule.HoleLehrer("M\xDCL");
    fMul->fInfo = "M\xFCller";
    fSchule.HoleLehrer("A<B")->fInfo = "Kleiner";
    fSchule.HoleLehrer("C");
    fSchule.HoleLehrer("D");
    fSchule.HoleLehrer("E")->fInfo = "Ende";
    fK5a = fSchule.HoleKlasse("5a");
    fK5a->fInfo = "Klasse 5a";
    fK5b = fSchule.HoleKlasse("5b");
    fR1 = fSchule.HoleRaum("R1");
    fR1->fInfo = "Bio & Chemie";
    fR2 = fSchule.HoleRaum("R2");
    fRel = fSchule.HoleKopplung("REL");
    fRel->fInfo = "Religion";
    fD = fSchule.HoleFach("D");
    fD->fInfo = "Deutsch";
    fM = fSchule.HoleFach("M");

    fDeutsch = Kurs(fMul, fK5a, 3, fR1, fD, fRel);
    fDeutsch->KlasseErgaenzen(fK5b);
    fDeutsch->RaumErgaenzen(fR2, false);
    fDeutsch->fFaktor = 2;
    Setze(fDeutsch, 1, 1, 1, fR1);
    fMathe = Kurs(fMul, nullptr, 1, nullptr, fM);
    Setze(fMathe, 1, 2, 2);
  }

  TLehrer* fMul = nullptr;
  TKlasse* fK5a = nullptr;
  TKlasse* fK5b = nullptr;
  TRaum* fR1 = nullptr;
  TRaum* fR2 = nullptr;
  TKopplung* fRel = nullptr;
  TFach* fD = nullptr;
  TFach* fM = nullptr;
  TKurs* fDeutsch = nullptr;
  TKurs* fMathe = nullptr;
};

// The first row of every grid: the corner and the five days.
const char kTage[] =
    "<TR>\r"
    "<TH><DIV CLASS=\"Titel\">*</DIV></TH>\r"
    "<TH><DIV CLASS=\"Titel\">Mo</DIV></TH>\r"
    "<TH><DIV CLASS=\"Titel\">Di</DIV></TH>\r"
    "<TH><DIV CLASS=\"Titel\">Mi</DIV></TH>\r"
    "<TH><DIV CLASS=\"Titel\">Do</DIV></TH>\r"
    "<TH><DIV CLASS=\"Titel\">Fr</DIV></TH>\r"
    "</TR>\r";
const char kLeer[] = " <TD><DIV CLASS=\"Plan\">---</DIV></TD>\r";

std::string Leer(int n) {
  std::string text;
  for (int i = 0; i < n; ++i) text += kLeer;
  return text;
}

TEST_F(PlanHTML, IndexNamesTheSchoolAndLinksTheSixListPages) {
  EXPECT_EQ(Text(TPlanHTML(fSchule).Index()),
            std::string(kKopf) + "<TITLE>Planinformationssystem</TITLE>\r" + kStil +
                "</HEAD>\r<BODY>\r" + kSchule +
                Zeilen({"<H1>Planinformationssystem</H1>", "&nbsp;",
                        "<H2><A HREF=\"lpl.html\">Lehrerpl&auml;ne</A></H2>",
                        "<H2><A HREF=\"kpl.html\">Klassenpl&auml;ne</A></H2>",
                        "<H2><A HREF=\"rpl.html\">Raumpl&auml;ne</A></H2>",
                        "<H2><A HREF=\"ko.html\">Kopplungsdaten</A></H2>",
                        "<H2><A HREF=\"fa.html\">F&auml;cherdaten</A></H2>",
                        "<H2><A HREF=\"ku.html\">Alle Kursdaten</A></H2>", "</BODY>", "</HTML>"}));
}

TEST_F(PlanHTML, FiveTeachersGiveAFullRowAndARowOfOneClosedByItself) {
  EXPECT_EQ(Text(TPlanHTML(fSchule).Liste(leh)),
            std::string(kKopf) + " <TITLE>Lehrerpl&auml;ne</TITLE>\r" + kStil +
                "</HEAD>\r<BODY>\r" + kSchule +
                Zeilen({"<H1>Lehrerpl&auml;ne</H1>",
                        "<TABLE>",
                        "<TR>",
                        "<TD><DIV CLASS=\"Plan\">",
                        "<A HREF=\"lpl1.html\">M&Uuml;LM&uuml;ller</A>",
                        "</DIV></TD>",
                        "<TD><DIV CLASS=\"Plan\">",
                        "<A HREF=\"lpl2.html\">A&lt;BKleiner</A>",
                        "</DIV></TD>",
                        "<TD><DIV CLASS=\"Plan\">",
                        "<A HREF=\"lpl3.html\">C</A>",
                        "</DIV></TD>",
                        "<TD><DIV CLASS=\"Plan\">",
                        "<A HREF=\"lpl4.html\">D</A>",
                        "</DIV></TD>",
                        "</TR>",
                        "<TR>",
                        "<TD><DIV CLASS=\"Plan\">",
                        "<A HREF=\"lpl5.html\">EEnde</A>",
                        "</DIV></TD>",
                        "</TR>",
                        "</TABLE>",
                        "<P><A HREF=\"index.html\">zur&uuml;ck</A></P>",
                        "</BODY>",
                        "</HTML>"}));
}

TEST_F(PlanHTML, RoomsCouplingsAndSubjectsListShortAndLongNameWithABlank) {
  fSchule.HoleRaum("R3");
  fSchule.HoleRaum("R4");
  const TPlanHTML plan(fSchule);
  // Four rooms fill the row exactly: no second "</TR>". "&" stays as it is.
  EXPECT_EQ(Text(plan.Liste(rau)), std::string(kKopf) + " <TITLE>Raumpl&auml;ne</TITLE>\r" + kStil +
                                       "</HEAD>\r<BODY>\r" + kSchule +
                                       Zeilen({"<H1>Raumpl&auml;ne</H1>",
                                               "<TABLE>",
                                               "<TR>",
                                               "<TD><DIV CLASS=\"Plan\">",
                                               "<A HREF=\"rpl1.html\">R1 Bio & Chemie</A>",
                                               "</DIV></TD>",
                                               "<TD><DIV CLASS=\"Plan\">",
                                               "<A HREF=\"rpl2.html\">R2 </A>",
                                               "</DIV></TD>",
                                               "<TD><DIV CLASS=\"Plan\">",
                                               "<A HREF=\"rpl3.html\">R3 </A>",
                                               "</DIV></TD>",
                                               "<TD><DIV CLASS=\"Plan\">",
                                               "<A HREF=\"rpl4.html\">R4 </A>",
                                               "</DIV></TD>",
                                               "</TR>",
                                               "</TABLE>",
                                               "<P><A HREF=\"index.html\">zur&uuml;ck</A></P>",
                                               "</BODY>",
                                               "</HTML>"}));
  const std::string ko = Text(plan.Liste(kop));
  EXPECT_NE(ko.find("\r <TITLE>Kopplungen</TITLE>\r"), std::string::npos);
  EXPECT_NE(ko.find("\r<H1>Kopplungen</H1>\r<TABLE>\r<TR>\r<TD><DIV CLASS=\"Plan\">\r"
                    "<A HREF=\"ko1.html\">REL Religion</A>\r</DIV></TD>\r</TR>\r</TABLE>\r"),
            std::string::npos);
  const std::string fa = Text(plan.Liste(fac));
  EXPECT_NE(fa.find("\r <TITLE>F&auml;cher</TITLE>\r"), std::string::npos);
  EXPECT_NE(fa.find("\r<H1>F&auml;cher</H1>\r<TABLE>\r<TR>\r<TD><DIV CLASS=\"Plan\">\r"
                    "<A HREF=\"fa1.html\">D Deutsch</A>\r</DIV></TD>\r<TD><DIV CLASS=\"Plan\">\r"
                    "<A HREF=\"fa2.html\">M </A>\r</DIV></TD>\r</TR>\r</TABLE>\r"),
            std::string::npos);
  EXPECT_NE(Text(plan.Liste(kla)).find("<A HREF=\"kpl1.html\">5aKlasse 5a</A>"), std::string::npos);
}

TEST_F(PlanHTML, TeacherPageShowsClassLinesBeforeTheRunAndFreePeriodsAsDashes) {
  EXPECT_EQ(
      Text(TPlanHTML(fSchule).Element(leh, 1)),
      std::string(kKopf) + " <TITLE>Lehrerplan M&Uuml;L M&uuml;ller</TITLE>\r" + kStil +
          "</HEAD>\r<BODY>\r" + kSchule + "<H1>Lehrerplan M&Uuml;L M&uuml;ller</H1>\r<TABLE>\r" +
          kTage +
          Zeilen({"<TR>", "<TH><DIV CLASS=\"Titel\">1.</DIV></TH>", "<TD><DIV CLASS=\"Plan\">",
                  "<A HREF=\"kpl1.html\">5a</A> <A HREF=\"fa1.html\">D</A> <A "
                  "HREF=\"ko1.html\">REL</A> <A HREF=\"rpl1.html\">R1</A>",
                  "<BR>",
                  "<A HREF=\"kpl2.html\">5b</A> <A HREF=\"fa1.html\">D</A> <A "
                  "HREF=\"ko1.html\">REL</A> <A HREF=\"rpl1.html\">R1</A>",
                  "</DIV></TD>"}) +
          Leer(4) + "</TR>\r" +
          Zeilen({"<TR>", "<TH><DIV CLASS=\"Titel\">2. &lt;Pause&gt;</DIV></TH>"}) + Leer(1) +
          "<TD><DIV CLASS=\"Plan\"> <A HREF=\"fa2.html\">M</A></DIV></TD>\r" + Leer(3) +
          Zeilen({"</TR>", "</TABLE>",
                  "<P><A HREF=\"lpl5.html\">&lt;---</A> <A HREF=\"lpl.html\">zur&uuml;ck</A> <A "
                  "HREF=\"lpl2.html\">---&gt;</A></P>",
                  "</BODY>", "</HTML>"}));
}

TEST_F(PlanHTML, NavigationRunsInARing) {
  const TPlanHTML plan(fSchule);
  const std::string letzte = Text(plan.Element(leh, 5));
  EXPECT_NE(letzte.find("\r<P><A HREF=\"lpl4.html\">&lt;---</A> <A HREF=\"lpl.html\">zur&uuml;ck"
                        "</A> <A HREF=\"lpl1.html\">---&gt;</A></P>\r</BODY>\r</HTML>\r"),
            std::string::npos);
  EXPECT_NE(letzte.find("\r <TITLE>Lehrerplan E Ende</TITLE>\r"), std::string::npos);
  // A name with "<" is escaped in title and heading.
  EXPECT_NE(Text(plan.Element(leh, 2)).find("\r<H1>Lehrerplan A&lt;B Kleiner</H1>\r"),
            std::string::npos);
  // The only coupling is its own neighbour on both sides.
  EXPECT_NE(Text(plan.Element(kop, 1))
                .find("\r<P><A HREF=\"ko1.html\">&lt;---</A> <A HREF=\"ko.html\">zur&uuml;ck</A> "
                      "<A HREF=\"ko1.html\">---&gt;</A></P>\r"),
            std::string::npos);
  EXPECT_THROW(plan.Element(leh, 6), std::out_of_range);
  EXPECT_THROW(plan.Element(leh, 0), std::out_of_range);
}

TEST_F(PlanHTML, ClassPageListsEveryCourseOfTheCellWithTeacherAndRoom) {
  // A second lesson of 5a in the same cell, given by C without a room or coupling.
  TKurs* zweiter = Kurs(fSchule.HoleLehrer("C"), fK5a, 1, nullptr, fM);
  Setze(zweiter, 1, 1, 1);
  const std::string seite = Text(TPlanHTML(fSchule).Element(kla, 1));
  EXPECT_NE(seite.find("\r <TITLE>Klassenplan 5a Klasse 5a</TITLE>\r"), std::string::npos);
  const std::string zeile1 =
      Zeilen({"<TR>", "<TH><DIV CLASS=\"Titel\">1.</DIV></TH>", "<TD><DIV CLASS=\"Plan\">",
              " <A HREF=\"lpl1.html\">M&Uuml;L</A> <A HREF=\"fa1.html\">D</A> <A "
              "HREF=\"ko1.html\">REL</A> <A HREF=\"rpl1.html\">R1</A>",
              "<BR> <A HREF=\"lpl3.html\">C</A> <A HREF=\"fa2.html\">M</A>", "</DIV></TD>"}) +
      Leer(4) + "</TR>\r";
  const std::string zeile2 =
      Zeilen({"<TR>", "<TH><DIV CLASS=\"Titel\">2. &lt;Pause&gt;</DIV></TH>"}) + Leer(5) +
      "</TR>\r";
  EXPECT_NE(seite.find(std::string("<TABLE>\r") + kTage + zeile1 + zeile2 + "</TABLE>\r" +
                       "<P><A HREF=\"kpl2.html\">&lt;---</A> <A HREF=\"kpl.html\">zur&uuml;ck</A>"
                       " <A HREF=\"kpl2.html\">---&gt;</A></P>\r"),
            std::string::npos)
      << seite;
}

TEST_F(PlanHTML, RoomPageShowsOnlyLessonsHeldInTheRoom) {
  const TPlanHTML plan(fSchule);
  const std::string r1 = Text(plan.Element(rau, 1));
  EXPECT_NE(r1.find("\r <TITLE>Raumplan R1 Bio & Chemie</TITLE>\r"), std::string::npos);
  const std::string zeile1 =
      Zeilen({"<TR>", "<TH><DIV CLASS=\"Titel\">1.</DIV></TH>", "<TD><DIV CLASS=\"Plan\">",
              "<A HREF=\"kpl1.html\">5a</A> <A HREF=\"lpl1.html\">M&Uuml;L</A> <A "
              "HREF=\"fa1.html\">D</A> <A HREF=\"ko1.html\">REL</A>",
              "<BR>",
              "<A HREF=\"kpl2.html\">5b</A> <A HREF=\"lpl1.html\">M&Uuml;L</A> <A "
              "HREF=\"fa1.html\">D</A> <A HREF=\"ko1.html\">REL</A>",
              "</DIV></TD>"}) +
      Leer(4) + "</TR>\r";
  EXPECT_NE(r1.find(std::string(kTage) + zeile1), std::string::npos) << r1;
  // R2 is allowed for the course but holds no lesson: every cell is free.
  const std::string r2 = Text(plan.Element(rau, 2));
  EXPECT_EQ(r2.find("<TD><DIV CLASS=\"Plan\">\r"), std::string::npos);
  EXPECT_NE(r2.find(std::string(kTage) + "<TR>\r<TH><DIV CLASS=\"Titel\">1.</DIV></TH>\r" +
                    Leer(5) + "</TR>\r"),
            std::string::npos);
}

// The header row and the German course's row, shared by its subject and its coupling.
const char kKursKopf[] =
    "<TABLE>\r<TR>\r"
    "<TH><DIV CLASS=\"Titel\">Wert</DIV></TH>\r"
    "<TH><DIV CLASS=\"Titel\">Std.</DIV></TH>\r"
    "<TH><DIV CLASS=\"Titel\">Lehrer</DIV></TH>\r"
    "<TH><DIV CLASS=\"Titel\">Fach</DIV></TH>\r"
    "<TH><DIV CLASS=\"Titel\">Klassen</DIV></TH>\r"
    "<TH><DIV CLASS=\"Titel\">Kopplung</DIV></TH>\r"
    "<TH><DIV CLASS=\"Titel\">R&auml;ume</DIV></TH>\r"
    "</TR>\r";
const char kDeutschZeile[] =
    "<TR>\r"
    "<TD><DIV CLASS=\"Plan\">\r 6.0\r</DIV></TD>\r"
    "<TD><DIV CLASS=\"Plan\">\r3\r</DIV></TD>\r"
    "<TD><DIV CLASS=\"Plan\">\r <A HREF=\"lpl1.html\">M&Uuml;L</A>\r</DIV></TD>\r"
    "<TD><DIV CLASS=\"Plan\">\r <A HREF=\"fa1.html\">D</A>\r</DIV></TD>\r"
    "<TD><DIV CLASS=\"Plan\">\r <A HREF=\"kpl1.html\">5a</A> <BR> <A "
    "HREF=\"kpl2.html\">5b</A>\r</DIV></TD>\r"
    "<TD><DIV CLASS=\"Plan\">\r <A HREF=\"ko1.html\">REL</A>\r</DIV></TD>\r"
    "<TD><DIV CLASS=\"Plan\">\r <A HREF=\"rpl1.html\"><B>R1</B></A> <BR> <A "
    "HREF=\"rpl2.html\">R2</A>\r</DIV></TD>\r"
    "</TR>\r";
const char kMatheZeile[] =
    "<TR>\r"
    "<TD><DIV CLASS=\"Plan\">\r 1.0\r</DIV></TD>\r"
    "<TD><DIV CLASS=\"Plan\">\r1\r</DIV></TD>\r"
    "<TD><DIV CLASS=\"Plan\">\r <A HREF=\"lpl1.html\">M&Uuml;L</A>\r</DIV></TD>\r"
    "<TD><DIV CLASS=\"Plan\">\r <A HREF=\"fa2.html\">M</A>\r</DIV></TD>\r"
    "<TD><DIV CLASS=\"Plan\">\r---\r</DIV></TD>\r"
    "<TD><DIV CLASS=\"Plan\">\r---\r</DIV></TD>\r"
    "<TD><DIV CLASS=\"Plan\">\r---\r</DIV></TD>\r"
    "</TR>\r";

TEST_F(PlanHTML, SubjectPageHoldsTheCourseTableWithThePlacedRoomInBold) {
  EXPECT_EQ(Text(TPlanHTML(fSchule).Element(fac, 1)),
            std::string(kKopf) + " <TITLE>Fachdaten D Deutsch</TITLE>\r" + kStil +
                "</HEAD>\r<BODY>\r" + kSchule + "<H1>Fachdaten D Deutsch</H1>\r" + kKursKopf +
                kDeutschZeile +
                Zeilen({"</TABLE>",
                        "<P><A HREF=\"fa2.html\">&lt;---</A> <A HREF=\"fa.html\">zur&uuml;ck</A> "
                        "<A HREF=\"fa2.html\">---&gt;</A></P>",
                        "</BODY>", "</HTML>"}));
  EXPECT_NE(Text(TPlanHTML(fSchule).Element(kop, 1))
                .find(std::string("<H1>Kopplungsdaten REL Religion</H1>\r") + kKursKopf +
                      kDeutschZeile + "</TABLE>\r"),
            std::string::npos);
}

TEST_F(PlanHTML, CourseListHoldsEveryCourseInListOrder) {
  // The course order puts the course without a class first.
  ASSERT_EQ(fSchule.fKursMenge.ListeNrInhalt(1), fMathe);
  EXPECT_EQ(Text(TPlanHTML(fSchule).AlleKurse()),
            std::string(kKopf) + " <TITLE>Alle Kurse</TITLE>\r" + kStil + "</HEAD>\r<BODY>\r" +
                kSchule + "<H1>Alle Kurse</H1>\r" + kKursKopf + kMatheZeile + kDeutschZeile +
                Zeilen({"</TABLE>", "<P><A HREF=\"index.html\">zur&uuml;ck</A></P>", "</BODY>",
                        "</HTML>"}));
}

TEST_F(PlanHTML, ValuesFollowTheCurrentVersionAndTheHourSettings) {
  fStandard.fDivisor = 4;
  fStandard.fNachKomma = 2;
  fStandard.fVorKomma = 3;
  fStandard.SetMaxWocheNeu(2);
  fDeutsch->fStunden.SetWochenZahl(2);
  fDeutsch->fStunden.SetWochenStunde(2, 5);
  fStandard.fAktuelleWoche = 2;
  // 5 lessons of factor 2 are 10 quarter hours; no placement in version 2, so no bold room.
  const std::string seite = Text(TPlanHTML(fSchule).Element(fac, 1));
  EXPECT_NE(seite.find("<TR>\r<TD><DIV CLASS=\"Plan\">\r  2.50\r</DIV></TD>\r"
                       "<TD><DIV CLASS=\"Plan\">\r5\r</DIV></TD>\r"),
            std::string::npos)
      << seite;
  EXPECT_NE(seite.find(" <A HREF=\"rpl1.html\">R1</A> <BR> <A HREF=\"rpl2.html\">R2</A>\r"),
            std::string::npos);
}

TEST_F(PlanHTML, ALongRunOfLinksIsCutAt255Characters) {
  const std::string lang(11, '\xC4');
  TFach* f = fSchule.HoleFach(lang);
  TKopplung* o = fSchule.HoleKopplung(lang);
  TRaum* r = fSchule.HoleRaum(lang);
  TKurs* k = Kurs(fSchule.HoleLehrer("C"), fK5b, 1, r, f, o);
  Setze(k, 1, 3, 2, r);
  std::string name;
  for (int i = 0; i < 11; ++i) name += "&Auml;";
  std::string lauf = " <A HREF=\"fa3.html\">" + name + "</A> <A HREF=\"ko2.html\">" + name +
                     "</A> <A HREF=\"rpl3.html\">" + name + "</A>";
  ASSERT_EQ(lauf.size(), 271u);
  lauf.resize(255);
  const std::string seite = Text(TPlanHTML(fSchule).Element(leh, 3));
  EXPECT_NE(seite.find("\r<TD><DIV CLASS=\"Plan\">\r<A HREF=\"kpl2.html\">5b</A>" + lauf +
                       "\r</DIV></TD>\r"),
            std::string::npos)
      << seite;
}

TEST_F(PlanHTML, FileListComesInTheOrderOfWriting) {
  EXPECT_EQ(TPlanHTML(fSchule).Dateien(),
            (std::vector<std::string>{
                "index.html", "lpl.html", "kpl.html", "rpl.html", "ko.html", "fa.html", "ku.html",
                "lpl1.html", "lpl2.html", "lpl3.html", "lpl4.html", "lpl5.html", "kpl1.html",
                "kpl2.html", "rpl1.html", "rpl2.html", "ko1.html", "fa1.html", "fa2.html"}));
}

TEST_F(PlanHTML, ExportWritesEveryPageIntoTheNewFolder) {
  TTestOrdner ordner("planhtml");
  TSkriptDialoge dialoge;
  const std::filesystem::path ziel = ordner / "plan";
  const auto vorher = std::filesystem::current_path();
  ASSERT_TRUE(PlanHTMLExport(fSchule, ziel.string(), dialoge));
  EXPECT_EQ(std::filesystem::current_path(), vorher);

  const TPlanHTML plan(fSchule);
  std::set<std::string> geschrieben;
  for (const auto& e : std::filesystem::directory_iterator(ziel)) {
    geschrieben.insert(e.path().filename().string());
  }
  const std::vector<std::string> seiten = plan.Dateien();
  std::set<std::string> dateien(seiten.begin(), seiten.end());
  dateien.insert("orbato.css");
  EXPECT_EQ(geschrieben, dateien);
  EXPECT_EQ(LiesDatei(ziel / "index.html"), Text(plan.Index()));
  EXPECT_EQ(LiesDatei(ziel / "ku.html"), Text(plan.AlleKurse()));
  EXPECT_EQ(LiesDatei(ziel / "kpl.html"), Text(plan.Liste(kla)));
  EXPECT_EQ(LiesDatei(ziel / "lpl5.html"), Text(plan.Element(leh, 5)));
  EXPECT_EQ(LiesDatei(ziel / "rpl1.html"), Text(plan.Element(rau, 1)));
  EXPECT_EQ(LiesDatei(ziel / "fa2.html"), Text(plan.Element(fac, 2)));
  EXPECT_EQ(dialoge.Anzahl(TDialogVorgang::Nachricht), 0u);
}

// The pages find their stylesheet beside them, in the look of the settings; a school that keeps
// its own sheet has it left out.
TEST_F(PlanHTML, ExportWritesTheStylesheetOfTheLookUnlessLeftOut) {
  TTestOrdner ordner("planhtml");
  TSkriptDialoge dialoge;
  fStandard.fHTMLFarben.TitelHintergrund = THTMLFarben::Farbe(0, 128, 0);
  ASSERT_TRUE(PlanHTMLExport(fSchule, (ordner / "mit").string(), dialoge));
  EXPECT_EQ(LiesDatei(ordner / "mit" / "orbato.css"), Stilvorlage(fStandard.fHTMLFarben));
  EXPECT_NE(LiesDatei(ordner / "mit" / "orbato.css").find("background-color: #008000;"),
            std::string::npos);

  fStandard.fStilvorlageSchreiben = false;
  ASSERT_TRUE(PlanHTMLExport(fSchule, (ordner / "ohne").string(), dialoge));
  EXPECT_FALSE(std::filesystem::exists(ordner / "ohne" / "orbato.css"));
  EXPECT_TRUE(std::filesystem::exists(ordner / "ohne" / "index.html"));
}

TEST_F(PlanHTML, ExportShowsTheFolderTheElementAndEveryFifthStep) {
  TTestOrdner ordner("planhtml");
  TSkriptDialoge dialoge;
  ASSERT_TRUE(PlanHTMLExport(fSchule, (ordner / "web").string() + "/", dialoge));
  std::vector<int> maxima;
  for (const auto& e : dialoge.Protokoll(TDialogVorgang::FortschrittBeginnen)) {
    EXPECT_EQ(e.fTitel, "Exportieren in HTML-Dateien");
    maxima.push_back(e.fZahl);
  }
  EXPECT_EQ(maxima, (std::vector<int>{0, 5, 2, 2, 1, 2}));
  for (const auto& e : dialoge.Protokoll(TDialogVorgang::FortschrittText)) {
    EXPECT_EQ(e.fZeilen, std::vector<std::string>{"web"});
  }
  std::vector<std::string> namen;
  for (const auto& e : dialoge.Protokoll(TDialogVorgang::FortschrittInfo)) {
    namen.push_back(e.fZeilen.at(0));
  }
  EXPECT_EQ(namen, (std::vector<std::string>{"M\xDCL", "A<B", "C", "D", "E", "5a", "5b", "R1", "R2",
                                             "REL", "D", "M"}));
  const auto schritte = dialoge.Protokoll(TDialogVorgang::FortschrittSetzen);
  ASSERT_EQ(schritte.size(), 1u);
  EXPECT_EQ(schritte[0].fZahl, 5);
  EXPECT_FALSE(dialoge.FortschrittOffen());
}

TEST_F(PlanHTML, AnExistingFolderIsRefusedAndNothingWritten) {
  TTestOrdner ordner("planhtml");
  TSkriptDialoge dialoge;
  std::filesystem::create_directory(ordner / "plan");
  EXPECT_FALSE(PlanHTMLExport(fSchule, (ordner / "plan").string(), dialoge));
  EXPECT_FALSE(PlanHTMLExport(fSchule, (ordner / "fehlt" / "plan").string(), dialoge));
  const auto meldungen = dialoge.Protokoll(TDialogVorgang::Nachricht);
  ASSERT_EQ(meldungen.size(), 2u);
  for (const auto& m : meldungen) {
    EXPECT_EQ(m.fZeilen, std::vector<std::string>{"Kann Verzeichnis nicht erstellen!"});
    EXPECT_EQ(m.fArt, TMeldungsArt::Warnung);
  }
  EXPECT_TRUE(std::filesystem::is_empty(ordner / "plan"));
  EXPECT_FALSE(std::filesystem::exists(ordner / "fehlt"));
  EXPECT_EQ(dialoge.Anzahl(TDialogVorgang::FortschrittBeginnen), 0u);
}

// A page holds every character as the stream writes text, one byte each; a line ends with CR.
TEST(PlanHTMLSeite, WritesTextAsTheStreamDoes) {
  std::string alle;
  for (int c = 0; c < 256; ++c) alle += static_cast<char>(c);
  THTMLSeite seite;
  seite.Teil(alle);
  seite.Zeile("\xE4");
  TBuffer strom;
  strom.WriteStr(alle + "\xE4");
  std::vector<uint8_t> erwartet = strom.Bytes();
  erwartet.push_back(13);
  EXPECT_EQ(seite.Bytes(), erwartet);
}

TEST(PlanHTMLSeite, APageThatCannotBeCreatedRaisesTheStreamError) {
  TTestOrdner ordner("planhtml");
  THTMLSeite seite;
  seite.Zeile("<HTML>");
  const std::string pfad = (ordner / "fehlt" / "index.html").string();
  try {
    SchreibeNeueSeite(pfad, seite);
    FAIL() << "kein Fehler";
  } catch (const TStreamFehler& f) {
    EXPECT_EQ(std::string(f.what()).rfind("Datei \"" + pfad + "\" kann nicht erstellt werden. ", 0),
              0u)
        << f.what();
  }
  SchreibeNeueSeite((ordner / "index.html").string(), seite);
  EXPECT_EQ(LiesDatei(ordner / "index.html"), "<HTML>\r");
}

}  // namespace
}  // namespace orbato
