#include "substitution/vertretungsexport.h"

#include <fstream>
#include <string>

#include "persist/dateilesen.h"
#include "persist/kursdatei.h"
#include "substitution/vertretungsfixture.h"
#include "substitution/vertretungsuebersicht.h"
#include "testordner.h"

namespace orbato {
namespace {

std::string Text(const std::vector<uint8_t>& bytes) {
  return {bytes.begin(), bytes.end()};
}

// Wednesday the 9th: MUE is ill ("K"), SCH takes his Mathe in R2; MEI is absent without a reason
// and nobody takes his Deutsch. Thursday the 10th: SCH misses his Englisch in period 3, class 5b
// is away in period 1. Wednesday the 16th: MUE again.
class VertretungsExportTest : public VertretungsTest {
 protected:
  void SetUp() override {
    fMue->fInfo = "M\xFCller";
    fSch->fInfo = "Schmidt";
    fR1->fInfo = "Raum 1";
    fR2->fInfo = "Raum 2";
    fM->fInfo = "Mathematik";
    Fehlt(leh, fMue, fMi, "-+", "K");
    TVertretung* mathe = fMatheMi->VertretungFinden(fMi);
    ASSERT_TRUE(mathe->TrageLehrerEin(fSch));
    ASSERT_TRUE(mathe->TrageRaumEin(fR2));
    Fehlt(leh, fMei, fMi, "-+");
    Fehlt(leh, fSch, Dez(10), "--+");
    Fehlt(kla, f5b, Dez(10), "+");
    Fehlt(leh, fMue, Dez(16), "-+");
  }
};

const char kWoche[] =
    "20261209;Mittwoch;;;100;MUE,MEI\r\n"
    "20261209;Mittwoch;;;101;\r\n"
    "20261209;Mittwoch;3; 2;2;MUE;M\xC3\xBCller;SCH;Schmidt;R1;Raum 1;R2;Raum 2;M;Mathematik;M;"
    "Mathematik;in Raum R2 ;in Raum R2 ;K;5a\r\n"
    "20261209;Mittwoch;3; 2;2;MEI;;-;-;R3;;R3;;D;;D;;;;-;5b\r\n"
    "20261210;Donnerstag;;;100;SCH\r\n"
    "20261210;Donnerstag;;;101;5b\r\n"
    "20261210;Donnerstag;4; 3;3;SCH;Schmidt;-;-;R3;;R3;;E;;E;;;;-;5a\r\n";

// Two day lines before each new date, the date and weekday followed by "100;" and the absent
// teachers, then by "101;" and the absent classes of that day; then one line per record: date,
// weekday, its number, period label and number, the six pairs of short name and long name ("-;-;"
// where there is none), both remarks, the absence reason and the classes; UTF-8 and CR LF
// throughout. The 16th lies outside the range.
TEST_F(VertretungsExportTest, DayLinesThenOneLinePerRecordOfTheRange) {
  EXPECT_EQ(Text(VertretungExportBytes(fSchule, Dez(7), Dez(11))), kWoche);
  // The last day belongs to the range, whatever the time of the bounds.
  EXPECT_EQ(Text(VertretungExportBytes(fSchule, Dez(9) - 0.5, Dez(10) - 0.5)), kWoche);
  EXPECT_EQ(Text(VertretungExportBytes(fSchule, Dez(16), Dez(16))),
            "20261216;Mittwoch;;;100;MUE\r\n"
            "20261216;Mittwoch;;;101;\r\n"
            "20261216;Mittwoch;3; 2;2;MUE;M\xC3\xBCller;-;-;R1;Raum 1;R1;Raum 1;M;Mathematik;M;"
            "Mathematik;;;-;5a\r\n");
}

// Within a date the records go by course teacher and course, whatever the substitution window's
// order puts first.
TEST_F(VertretungsExportTest, RecordsOfADateGoByCourse) {
  fStandard.fVertrSortArt = 2;
  VertretungenSortieren();
  EXPECT_EQ(fSchule.fVertretungsMenge.ListeNrInhalt(1)->fKurs, fDeutsch);
  EXPECT_EQ(Text(VertretungExportBytes(fSchule, Dez(7), Dez(11))), kWoche);
}

TEST_F(VertretungsExportTest, ARangeWithoutRecordsIsAnEmptyFile) {
  EXPECT_TRUE(VertretungExportBytes(fSchule, Dez(11), Dez(15)).empty());
  EXPECT_TRUE(VertretungExportBytes(fSchule, Dez(11), Dez(7)).empty());
  TTestOrdner ordner("vertretungsexport");
  const std::string pfad = (ordner / "v.csv").string();
  { std::ofstream(pfad) << "alt"; }
  VertretungExportToFile(fSchule, fDialoge, pfad, Dez(12), Dez(13));
  EXPECT_TRUE(LiesGanzeDatei(pfad, kKursDatei).empty());
}

// Records on or before 1 January 2020 get no day lines.
TEST_F(VertretungsExportTest, NoDayLinesUpToTheFirstOfJanuary2020) {
  const TDatumZeit neujahr = *KodiereDatum(2020, 1, 1) + 0.5;
  Fehlt(leh, fMei, neujahr, "-+");
  const std::string text = Text(VertretungExportBytes(fSchule, neujahr - 1, Dez(9)));
  EXPECT_TRUE(
      text.starts_with("20200101;Mittwoch;3; 2;2;MEI;;-;-;R3;;R3;;D;;D;;;;-;5b\r\n"
                       "20261209;Mittwoch;;;100;MUE,MEI\r\n"))
      << text;
}

// The file holds the bytes; the progress window counts the records.
TEST_F(VertretungsExportTest, TheFileAndItsProgressWindow) {
  TTestOrdner ordner("vertretungsexport");
  const std::string pfad = (ordner / "vertretungen.csv").string();
  VertretungExportToFile(fSchule, fDialoge, pfad, Dez(1), Dez(31));
  EXPECT_EQ(LiesGanzeDatei(pfad, kKursDatei), VertretungExportBytes(fSchule, Dez(1), Dez(31)));
  const auto beginn = fDialoge.Protokoll(TDialogVorgang::FortschrittBeginnen);
  ASSERT_EQ(beginn.size(), 1u);
  EXPECT_EQ(beginn[0].fTitel, "Exportieren");
  EXPECT_EQ(beginn[0].fZahl, 4);
  EXPECT_EQ(fDialoge.Protokoll(TDialogVorgang::FortschrittText).at(0).fZeilen,
            std::vector<std::string>{"vertretungen.csv"});
  EXPECT_FALSE(fDialoge.FortschrittOffen());
}

// The statistics grids without their header, TAB between the cells, CR after each row, the
// letters in the file code (ü is 0x9F).
TEST_F(VertretungsExportTest, TheOverviewGridsWithoutHeaderInTheFileCode) {
  const TVertretungsUebersicht lehrer(fSchule, leh, Dez(7), Dez(11));
  EXPECT_EQ(Text(VertrUebExportBytes(lehrer)),
            "MUE\tM\x9Fller\t0\t0.0\t0.0\t1\t2.0\t0\r"
            "SCH\tSchmidt\t1\t2.0\t2.0\t1\t1.0\t0\r"
            "MEI\t\t0\t0.0\t0.0\t1\t3.0\t0\r"
            "KOC\t\t0\t0.0\t0.0\t0\t0.0\t0\r");
  const TVertretungsUebersicht klassen(fSchule, kla, Dez(7), Dez(11));
  EXPECT_EQ(Text(VertrUebExportBytes(klassen)),
            "5a\t\t2\t0\t1\t0\t0\t1\r"
            "5b\t\t1\t0\t0\t0\t0\t1\r");

  TTestOrdner ordner("vertretungsexport");
  VertrLeUebExportToFile(lehrer, fDialoge, (ordner / "le.txt").string());
  VertrKlUebExportToFile(klassen, fDialoge, (ordner / "kl.txt").string());
  EXPECT_EQ(LiesGanzeDatei((ordner / "le.txt").string(), kKursDatei), VertrUebExportBytes(lehrer));
  EXPECT_EQ(LiesGanzeDatei((ordner / "kl.txt").string(), kKursDatei), VertrUebExportBytes(klassen));
  std::vector<int> maxima;
  for (const auto& e : fDialoge.Protokoll(TDialogVorgang::FortschrittBeginnen)) {
    maxima.push_back(e.fZahl);
  }
  EXPECT_EQ(maxima, (std::vector<int>{4, 2}));
}

}  // namespace
}  // namespace orbato
