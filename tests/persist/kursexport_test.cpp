#include "persist/kursexport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "model/schnittstellen/dialoge.h"
#include "model/schulfixture.h"
#include "model/woche/versionen.h"
#include "persist/kursdatei.h"
#include "persist/kursimport.h"
#include "persist/planexport.h"
#include "persist/streamfehler.h"
#include "testordner.h"

namespace orbato {
namespace {

std::string Text(const std::vector<uint8_t>& bytes) {
  return {bytes.begin(), bytes.end()};
}

// A course of German for 5a and 5b in the coupling REL5 with three lessons, one of them in the
// break after period 2, and a course of English with neither teacher nor class nor lessons,
// which the course order puts first.
class KursExport : public SchulTest {
 protected:
  void SetUp() override {
    fStandard.fMaxTageNeu = 5;
    fStandard.fPlnStd = 2;
    fStandard.fStdBez[0][0] = "1.";
    fStandard.fStdBez[0][1] = "Pause 2/3";
    fStandard.fStdBez[1][0] = "1";
    fStandard.fStdBez[1][1] = "2";
    fMul = fSchule.HoleLehrer("M\xDCL");
    fMul->fInfo = "M\xFCller";
    TFach* d = fSchule.HoleFach("D");
    d->fInfo = "Deutsch";
    fSchule.HoleFach("E")->fInfo = "Englisch";
    fK5a = fSchule.HoleKlasse("5a");
    fK5a->fInfo = "Klasse 5a";
    fK5b = fSchule.HoleKlasse("5b");
    fK5b->fInfo = "Klasse 5b";
    TKopplung* rel = fSchule.HoleKopplung("REL5");
    rel->fInfo = "Religion";
    fR11 = fSchule.HoleRaum("R11");
    fR11->fInfo = "Raum 11";
    TRaum* r12 = fSchule.HoleRaum("R12");
    r12->fInfo = "Raum 12";

    fDeutsch = Kurs(fMul, fK5a, 3, fR11, d, rel);
    fDeutsch->KlasseErgaenzen(fK5b);
    fDeutsch->fFaktor = 2;
    fDeutsch->fInfo = "F\xF6rder";
    fDeutsch->fStdProTag = 2;
    fDeutsch->fEinzelStd = 1;
    fDeutsch->fTabellenNr = 4;
    fDeutsch->fNichtZaehlenLe = true;
    Setze(fDeutsch, 1, 1, 1, fR11);
    Setze(fDeutsch, 1, 2, 2);
    Setze(fDeutsch, 1, 3, 1, r12);
    Kurs(nullptr, nullptr, 2, nullptr, fSchule.HoleFach("E"));
  }

  TLehrer* fMul = nullptr;
  TKlasse* fK5a = nullptr;
  TKlasse* fK5b = nullptr;
  TRaum* fR11 = nullptr;
  TKurs* fDeutsch = nullptr;
  TSkriptDialoge fDialoge;
};

TEST_F(KursExport, WritesOneExchangeLinePerClassWithEveryPlacement) {
  EXPECT_EQ(Text(KursExportBytes(fSchule)),
            "1\t1\t2\t\t\t\tE\tEnglisch\t\t\t\t\t\t\t\t\t\t1\t3\t1\t0\t0\t0\r"
            "2\t2\t3\tF\x9Arder\tM\x86L\tM\x9Fller\tD\tDeutsch\t5a\tKlasse 5a\tREL5\tReligion\t"
            "1\x1D"
            "1\x1D"
            "1\t1\x1D"
            "2\x1D"
            "3\t1\x1D"
            "2\x1D"
            "1\tR11\x1D\x1DR12\tRaum 11\x1D\x1DRaum 12\t2\t1\t4\t0\t1\t0\r"
            "2\t2\t3\tF\x9Arder\tM\x86L\tM\x9Fller\tD\tDeutsch\t5b\tKlasse 5b\tREL5\tReligion\t"
            "1\x1D"
            "1\x1D"
            "1\t1\x1D"
            "2\x1D"
            "3\t1\x1D"
            "2\x1D"
            "1\tR11\x1D\x1DR12\tRaum 11\x1D\x1DRaum 12\t2\t1\t4\t0\t1\t0\r");
}

// Names pasted from a word processor carry typographic quotes and dashes. In the file code the
// right double quote would land on the group separator, which splits the field on reading.
TEST_F(KursExport, WritesTypographicQuotesPlainSoThatTheImportGetsTheCourseBack) {
  fDeutsch->fInfo =
      "\x84"
      "F\xF6rder\x93 \x94"
      "D\x92\x91\x82\x96\x97";  // „Förder“ ”D’‘‚–—
  fMul->fInfo = "M\xFCller \x97 \x91Mo\x92";
  fK5b->fInfo = "Klasse\t5b";  // a TAB pasted into a name
  const std::vector<uint8_t> bytes = KursExportBytes(fSchule);
  EXPECT_EQ(Text(bytes),
            "1\t1\t2\t\t\t\tE\tEnglisch\t\t\t\t\t\t\t\t\t\t1\t3\t1\t0\t0\t0\r"
            "2\t2\t3\t\"F\x9Arder\" \"D'''--\tM\x86L\tM\x9Fller - 'Mo'\tD\tDeutsch\t5a\tKlasse 5a\t"
            "REL5\tReligion\t"
            "1\x1D"
            "1\x1D"
            "1\t1\x1D"
            "2\x1D"
            "3\t1\x1D"
            "2\x1D"
            "1\tR11\x1D\x1DR12\tRaum 11\x1D\x1DRaum 12\t2\t1\t4\t0\t1\t0\r"
            "2\t2\t3\t\"F\x9Arder\" \"D'''--\tM\x86L\tM\x9Fller - 'Mo'\tD\tDeutsch\t5b\tKlasse 5b\t"
            "REL5\tReligion\t"
            "1\x1D"
            "1\x1D"
            "1\t1\x1D"
            "2\x1D"
            "3\t1\x1D"
            "2\x1D"
            "1\tR11\x1D\x1DR12\tRaum 11\x1D\x1DRaum 12\t2\t1\t4\t0\t1\t0\r");

  TSchule neu;
  TSkriptDialoge dialoge;
  ASSERT_EQ(TImportForm(neu, dialoge).ImportFromBytes(bytes, "kurse.txt"),
            TImportErgebnis::Importiert);
  ASSERT_EQ(neu.fKursMenge.ListeZahlElemente(), 2);
  const TLehrer* mul = TSchule::HoleElement(neu.fLehrerMenge, "M\xDCL");
  ASSERT_NE(mul, nullptr);
  EXPECT_EQ(mul->fInfo, "M\xFCller - 'Mo'");
  ASSERT_EQ(mul->fKurse.ListeZahlElemente(), 1);
  const TKurs& deutsch = *mul->fKurse.ListeNrInhalt(1);
  EXPECT_EQ(deutsch.fInfo, "\"F\xF6rder\" \"D'''--");
  ASSERT_EQ(deutsch.fKlassen.ListeZahlElemente(), 2);
  EXPECT_EQ(deutsch.fKlassen.ListeNrInhalt(2)->fInfo, "Klasse 5b");
  EXPECT_EQ(deutsch.fSetzungen.ListeZahlElemente(), 3);
}

TEST_F(KursExport, WritesTheHoursOfAllVersionsSummedWhenAllAreSelected) {
  VersionErweitern(fSchule, 2);
  fDeutsch->fStunden.SetWochenStunde(1, 60);
  fDeutsch->fStunden.SetWochenStunde(2, 50);
  const std::string eine = Text(KursExportBytes(fSchule));
  fStandard.fEineWoche = false;
  const std::string alle = Text(KursExportBytes(fSchule));
  EXPECT_EQ(eine.substr(eine.find("\r2\t2\t") + 1, 8), "2\t2\t60\tF");
  EXPECT_EQ(alle.substr(alle.find("\r2\t2\t") + 1, 9), "2\t2\t110\tF");
}

TEST_F(KursExport, ListsEveryPlacementAsACsvLineWithBothClasses) {
  EXPECT_EQ(Text(CSVExportBytes(fSchule)),
            "Id;Art;Lehrerkuerzel;Fach;Kurs;Raum;Wochentag;Stunde;Woche;Klassen\r"
            "1;Stunde;M\xC3\x9CL;D;F\xC3\xB6rder;R11;1;1;;5a,5b;\r"
            "2;Pausenaufsicht;M\xC3\x9CL;D;F\xC3\xB6rder;;2;2;;5a,5b;\r"
            "3;Stunde;M\xC3\x9CL;D;F\xC3\xB6rder;R12;3;1;;5a,5b;\r");
  EXPECT_EQ(Text(CSVSMExportBytes(fSchule)),
            "Id;KursId;Art;Lehrerkuerzel;Fach;Kurs;Raum;Wochentag;Stunde;Bezeichnung;Woche;"
            "Klassen;Kopplung\r"
            "1;2;Stunde;M\xC3\x9CL;D;F\xC3\xB6rder;R11;1;1;1.;;5a,5b;REL5;\r"
            "2;2;Pausenaufsicht;M\xC3\x9CL;D;F\xC3\xB6rder;;2;2;Pause 2/3;;5a,5b;REL5;\r"
            "3;2;Stunde;M\xC3\x9CL;D;F\xC3\xB6rder;R12;3;1;1.;;5a,5b;REL5;\r");
}

// A ";" or a line break inside a text would shift the later columns: only such a field is quoted.
// A quote in a field without them stays as it is.
TEST_F(KursExport, QuotesTheCsvFieldsThatHoldTheSeparatorOrALineBreak) {
  fDeutsch->fInfo = "Chor; \"Band\"";
  fR11->fKuerzel = "R\"11";
  fK5b->fKuerzel = "5\nb";
  fStandard.fStdBez[0][0] = "1.\r2.";
  fDeutsch->fKopplung->fKuerzel = "REL;5";
  EXPECT_EQ(Text(CSVExportBytes(fSchule)),
            "Id;Art;Lehrerkuerzel;Fach;Kurs;Raum;Wochentag;Stunde;Woche;Klassen\r"
            "1;Stunde;M\xC3\x9CL;D;\"Chor; \"\"Band\"\"\";R\"11;1;1;;\"5a,5\nb\";\r"
            "2;Pausenaufsicht;M\xC3\x9CL;D;\"Chor; \"\"Band\"\"\";;2;2;;\"5a,5\nb\";\r"
            "3;Stunde;M\xC3\x9CL;D;\"Chor; \"\"Band\"\"\";R12;3;1;;\"5a,5\nb\";\r");
  EXPECT_EQ(Text(CSVSMExportBytes(fSchule)),
            "Id;KursId;Art;Lehrerkuerzel;Fach;Kurs;Raum;Wochentag;Stunde;Bezeichnung;Woche;"
            "Klassen;Kopplung\r"
            "1;2;Stunde;M\xC3\x9CL;D;\"Chor; \"\"Band\"\"\";R\"11;1;1;\"1.\r2.\";;\"5a,5\nb\";"
            "\"REL;5\";\r"
            "2;2;Pausenaufsicht;M\xC3\x9CL;D;\"Chor; \"\"Band\"\"\";;2;2;Pause 2/3;;\"5a,5\nb\";"
            "\"REL;5\";\r"
            "3;2;Stunde;M\xC3\x9CL;D;\"Chor; \"\"Band\"\"\";R12;3;1;\"1.\r2.\";;\"5a,5\nb\";"
            "\"REL;5\";\r");
}

TEST_F(KursExport, NamesThePlanVersionInTheCsvListsOnlyWithSeveralVersions) {
  VersionErweitern(fSchule, 2);
  fDeutsch->fSetzungen.ListeNrInhalt(2)->fWoche = 2;
  const std::string csv = Text(CSVExportBytes(fSchule));
  EXPECT_NE(csv.find("\r1;Stunde;M\xC3\x9CL;D;F\xC3\xB6rder;R11;1;1;1;5a,5b;\r"),
            std::string::npos);
  EXPECT_NE(csv.find("\r2;Stunde;M\xC3\x9CL;D;F\xC3\xB6rder;;2;2;2;5a,5b;\r"), std::string::npos);
  const std::string sm = Text(CSVSMExportBytes(fSchule));
  EXPECT_NE(sm.find("\r2;2;Stunde;M\xC3\x9CL;D;F\xC3\xB6rder;;2;2;2;2;5a,5b;REL5;\r"),
            std::string::npos);
}

TEST_F(KursExport, WritesTheTeachersClassesInTheirGridWithATabAfterFriday) {
  fSchule.HoleLehrer("ABC")->fInfo = "Abc";
  EXPECT_EQ(Text(PlanExportBytes(fSchule, leh)),
            "M\x9Fller\r"
            "\tMo\tDi\tMi\tDo\tFr\t\r"
            "1.\tKlasse 5a\t\tKlasse 5a\t\t\t\r"
            "Pause 2/3\t\tKlasse 5a\t\t\t\t\r"
            "\r"
            "Abc\r"
            "\tMo\tDi\tMi\tDo\tFr\t\r"
            "1.\t\t\t\t\t\t\r"
            "Pause 2/3\t\t\t\t\t\t\r"
            "\r");
}

TEST_F(KursExport, WritesTheTeacherOrThreeDashesInTheClassGridWithoutATabAfterSunday) {
  fStandard.fMaxTageNeu = 7;
  fStandard.fPlnStd = 1;
  Setze(Kurs(nullptr, fK5b, 1), 1, 7, 1);
  EXPECT_EQ(Text(PlanExportBytes(fSchule, kla)),
            "Klasse 5a\r"
            "\tMo\tDi\tMi\tDo\tFr\tSa\tSo\r"
            "1.\tM\x9Fller\t\tM\x9Fller\t\t\t\t\r"
            "\r"
            "Klasse 5b\r"
            "\tMo\tDi\tMi\tDo\tFr\tSa\tSo\r"
            "1.\tM\x9Fller\t\tM\x9Fller\t\t\t\t---\r"
            "\r");
}

TEST_F(KursExport, WritesTypographicQuotesPlainInTheGridsAndKeepsTheirCells) {
  fStandard.fPlnStd = 1;
  fK5a->fInfo = "\x93Sonne\x94 \x96 5a";
  fMul->fInfo = "M\xFCller\rBr\x92uer";  // a line break pasted into a name
  EXPECT_EQ(Text(PlanExportBytes(fSchule, leh)),
            "M\x9Fller Br'uer\r"
            "\tMo\tDi\tMi\tDo\tFr\t\r"
            "1.\t\"Sonne\" - 5a\t\t\"Sonne\" - 5a\t\t\t\r"
            "\r");
}

TEST_F(KursExport, MarksTheTakenCellsOfEachRoomOfTheCurrentVersion) {
  VersionErweitern(fSchule, 2);
  fStandard.SetAktuelleWoche(2);
  Setze(fDeutsch, 2, 5, 2, fR11);
  fStandard.fPlnStd = 2;
  EXPECT_EQ(Text(PlanExportBytes(fSchule, rau)),
            "R11\r"
            "\tMo\tDi\tMi\tDo\tFr\t\r"
            "1\t\t\t\t\t\t\r"
            "2\t\t\t\t\t*\t\r"
            "\r"
            "R12\r"
            "\tMo\tDi\tMi\tDo\tFr\t\r"
            "1\t\t\t\t\t\t\r"
            "2\t\t\t\t\t\t\r"
            "\r");
}

TEST_F(KursExport, ReplacesTheFileAndShowsTheLineCountAndEveryFifthLine) {
  for (int i = 0; i < 9; ++i) Kurs(nullptr, nullptr, 1);
  TTestOrdner ordner("kursexport");
  const std::string pfad = (ordner / "kurse.txt").string();
  { std::ofstream(pfad) << "alter Inhalt, viel l\xE4nger als eine Zeile"; }
  KursExportToFile(fSchule, fDialoge, pfad);
  EXPECT_EQ(LiesGanzeDatei(pfad, kKursDatei), KursExportBytes(fSchule));

  const auto beginn = fDialoge.Protokoll(TDialogVorgang::FortschrittBeginnen);
  ASSERT_EQ(beginn.size(), 1u);
  EXPECT_EQ(beginn[0].fTitel, "Exportieren");
  EXPECT_EQ(beginn[0].fZahl, 12);
  EXPECT_EQ(fDialoge.Protokoll(TDialogVorgang::FortschrittText).at(0).fZeilen,
            std::vector<std::string>{"kurse.txt"});
  EXPECT_EQ(fDialoge.Protokoll(TDialogVorgang::FortschrittInfo).at(0).fZeilen,
            std::vector<std::string>{"Kurse 12"});
  std::vector<int> balken;
  for (const auto& e : fDialoge.Protokoll(TDialogVorgang::FortschrittSetzen)) {
    balken.push_back(e.fZahl);
  }
  EXPECT_EQ(balken, (std::vector<int>{5, 10}));
  EXPECT_FALSE(fDialoge.FortschrittOffen());
}

TEST_F(KursExport, CountsCoursesForTheCsvBarAndElementsForTheGrids) {
  TTestOrdner ordner("kursexport");
  CSVExportToFile(fSchule, fDialoge, (ordner / "lanis.csv").string());
  CSVSMExportToFile(fSchule, fDialoge, (ordner / "sm.csv").string());
  PlanExportToFile(fSchule, fDialoge, (ordner / "raeume.txt").string(), rau);
  std::vector<int> maxima;
  for (const auto& e : fDialoge.Protokoll(TDialogVorgang::FortschrittBeginnen)) {
    maxima.push_back(e.fZahl);
  }
  EXPECT_EQ(maxima, (std::vector<int>{2, 2, 2}));
  EXPECT_EQ(LiesGanzeDatei((ordner / "sm.csv").string(), kKursDatei), CSVSMExportBytes(fSchule));
  EXPECT_EQ(LiesGanzeDatei((ordner / "raeume.txt").string(), kKursDatei),
            PlanExportBytes(fSchule, rau));
}

TEST_F(KursExport, FailsWithThePlatformMessageWhenTheFileCannotBeCreated) {
  try {
    KursExportToFile(fSchule, fDialoge, "/nonexistent/kurse.txt");
    FAIL() << "no error";
  } catch (const TStreamFehler& f) {
    EXPECT_STREQ(
        f.what(),
        ("Datei \"/nonexistent/kurse.txt\" kann nicht erstellt werden. " + kOrdnerFehlt).c_str());
  }
  EXPECT_FALSE(fDialoge.FortschrittOffen());
}

}  // namespace
}  // namespace orbato
