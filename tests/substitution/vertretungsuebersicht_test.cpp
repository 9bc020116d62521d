#include "substitution/vertretungsuebersicht.h"

#include <string>
#include <vector>

#include "substitution/vertretungsfixture.h"

namespace orbato {
namespace {

// Wednesday the 9th: MUE is absent in period 2 and MEI takes his Mathe, so MEI's own Deutsch with
// 5b moves; SCH and class 5b are both away in period 6 (Sport needs nobody). Thursday the 10th:
// room R1 is not available in period 2 (Mathe stays with MUE in another room), SCH misses his
// Englisch in period 6, which is cancelled.
class UebersichtTest : public VertretungsTest {
 protected:
  void SetUp() override {
    fMue->fInfo = "M\xFCller";
    Fehlt(leh, fMue, fMi, "-+");
    ASSERT_TRUE(fMatheMi->VertretungFinden(fMi)->TrageLehrerEin(fMei));
    Fehlt(kla, f5b, fMi, "-----+");
    Fehlt(leh, fSch, fMi, "-----+");
    Fehlt(rau, fR1, Dez(10), "-+");
    Fehlt(leh, fSch, Dez(10), "-----+");
    fEnglischDo->VertretungFinden(Dez(10))->Frei();
  }

  static std::vector<std::string> Zeilen(const TVertretungsUebersicht& u) {
    std::vector<std::string> zeilen;
    for (const TRasterZeile& z : u.Raster()) {
      std::string text;
      for (const std::string& zelle : z) text += (text.empty() ? "" : "|") + zelle;
      zeilen.push_back(text);
    }
    return zeilen;
  }
};

TEST_F(UebersichtTest, TeachersCountWhatTheyGaveAndWhatTheyMissed) {
  const TVertretungsUebersicht u(fSchule, leh, Dez(9), Dez(10));
  EXPECT_EQ(u.Titel(),
            "Vertretungs\xFC"
            "bersicht f\xFCr Lehrer");
  EXPECT_EQ(u.BereichText(), "vom 09.12.2026 bis 10.12.2026");
  EXPECT_EQ(Zeilen(u), (std::vector<std::string>{
                           "Lehrer|Name|vertreten|Std.|angerechnet|gefehlt|Std. gefehlt|frei",
                           "MUE|M\xFCller|0|0.0|0.0|1|2.0|0",
                           "SCH||0|0.0|0.0|1|1.0|1",
                           "MEI||1|2.0|0.0|1|3.0|0",
                           "KOC||0|0.0|0.0|0|0.0|0",
                       }));
  // The time unit is a quarter hour: the worths are shown in hours.
  fStandard.fDivisor = 4;
  fStandard.fNachKomma = 2;
  const TVertretungsUebersicht viertel(fSchule, leh, Dez(9), Dez(10));
  EXPECT_EQ(viertel.Raster()[3][3], "0.50");
}

TEST_F(UebersichtTest, ClassesCountEachRecordUnderWhatBecameOfTheLesson) {
  TVertretungsUebersicht u(fSchule, kla, Dez(9), Dez(10));
  EXPECT_EQ(u.Titel(),
            "Vertretungs\xFC"
            "bersicht f\xFCr Klassen");
  EXPECT_EQ(Zeilen(u),
            (std::vector<std::string>{"Klasse|Name|betroffen|frei|vertreten|verlegt|Raum|offen",
                                      "5a||3|1|1|0|1|0", "5b||1|0|0|1|0|0"}));
  // One day less: only the Wednesday.
  u.SetBereich(Dez(9), Dez(9));
  EXPECT_EQ(Zeilen(u)[1], "5a||1|0|1|0|0|0");
  u.SetBereich(Dez(11), Dez(11));
  EXPECT_EQ(Zeilen(u)[1], "5a||0|0|0|0|0|0");
}

// The records of one row by date and period; records not in force are left out.
TEST_F(UebersichtTest, DetailRowsOfOneTeacherAndOneClass) {
  const TVertretungsUebersicht lehrer(fSchule, leh, Dez(9), Dez(10));
  EXPECT_EQ(TVertretungsUebersicht::DetailKopf(),
            (TRasterZeile{"Datum", "Stunde", "Art", "Kurs", "Vertretung", "Raum", "Bemerkung"}));
  const std::vector<TRasterZeile> mei = lehrer.Details(3);
  ASSERT_EQ(mei.size(), 2u);
  EXPECT_EQ(mei[0], (TRasterZeile{"Mi, 9. Dez 2026", "2", "vertritt", "MUE 5a M", "MEI", "R1",
                                  "statt  MEI D R3"}));
  EXPECT_EQ(mei[1], (TRasterZeile{"Mi, 9. Dez 2026", "2", "fehlt", "MEI 5b D", "?????", "R3",
                                  "verlegt auf  MUE M R1"}));
  EXPECT_TRUE(lehrer.Details(2).size() == 1u && lehrer.Details(2)[0][4] == "-----");
  EXPECT_TRUE(lehrer.Details(4).empty());
  EXPECT_TRUE(lehrer.Details(5).empty());

  const TVertretungsUebersicht klassen(fSchule, kla, Dez(9), Dez(10));
  std::vector<std::string> arten;
  for (const TRasterZeile& z : klassen.Details(1)) arten.push_back(z[0] + " " + z[1] + " " + z[2]);
  EXPECT_EQ(arten,
            (std::vector<std::string>{"Mi, 9. Dez 2026 2 vertreten", "Do, 10. Dez 2026 2 Raum",
                                      "Do, 10. Dez 2026 6 frei"}));
}

TEST_F(UebersichtTest, TheClipboardTextIsTheGridWithItsHeader) {
  const TVertretungsUebersicht u(fSchule, kla, Dez(9), Dez(10));
  EXPECT_EQ(u.Text(),
            "Klasse\tName\tbetroffen\tfrei\tvertreten\tverlegt\tRaum\toffen\r\n"
            "5a\t\t3\t1\t1\t0\t1\t0\r\n"
            "5b\t\t1\t0\t0\t1\t0\t0\r\n");
}

}  // namespace
}  // namespace orbato
