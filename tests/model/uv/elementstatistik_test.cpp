#include "model/uv/elementstatistik.h"

#include <string>
#include <vector>

#include "model/schulfixture.h"
#include "model/uv/statistik.h"

namespace orbato {
namespace {

using Zeile = std::vector<std::string>;

class ElementStatistikTest : public SchulTest {
 protected:
  void SetUp() override {
    fStandard.fMaxTageNeu = 5;
    fStandard.fPlnStd = 8;
  }
};

// Every course of the subject counts with its own workload, also within a coupling; one counted
// for nobody is left out, and an allowance never to be placed is neither placed nor open.
TEST_F(ElementStatistikTest, SubjectCountsEveryCourse) {
  TFach* m = fSchule.HoleFach("M");
  m->SetInfo("Mathematik");
  TKopplung* o = fSchule.HoleKopplung("K1");
  TKlasse* c = fSchule.HoleKlasse("5a");
  TKurs* a = Kurs(fSchule.HoleLehrer("A"), c, 4, nullptr, m, o);
  Kurs(fSchule.HoleLehrer("B"), c, 3, nullptr, m, o)->SetFaktor(2);
  TKurs* niemand = Kurs(fSchule.HoleLehrer("C"), c, 5, nullptr, m);
  niemand->SetnichtZaehlenLe(true);
  niemand->SetnichtZaehlenKl(true);
  TKurs* zulage = Kurs(fSchule.HoleLehrer("D"), nullptr, 1, nullptr, m);
  zulage->SetnichtVerplanen(true);
  Setze(a, 1, 1, 1);
  Setze(a, 1, 2, 1);
  EXPECT_EQ(FachStatistikKoepfe(),
            (Zeile{"Ist", "(Ist)", "verplant", "offen", "Kurse", "Fach", "Info"}));
  EXPECT_EQ(FachStatistikZeile(*m), (Zeile{"11.0", "8", "2", "5", "4", "M", "Mathematik"}));
}

// The coupling takes the periods of its largest course; its workload is that of all its
// courses; teachers are named once.
TEST_F(ElementStatistikTest, CouplingNamesItsCoursesAndTeachers) {
  TKopplung* o = fSchule.HoleKopplung("RE");
  TLehrer* a = fSchule.HoleLehrer("A");
  TLehrer* b = fSchule.HoleLehrer("B");
  TFach* er = fSchule.HoleFach("ER");
  TFach* kr = fSchule.HoleFach("KR");
  TKlasse* c = fSchule.HoleKlasse("7a");
  TKurs* gross = Kurs(a, c, 3, nullptr, er, o);
  Kurs(b, c, 2, nullptr, kr, o)->SetFaktor(2);
  Kurs(a, nullptr, 2, nullptr, kr, o);
  Setze(gross, 1, 1, 1);
  EXPECT_EQ(KopplungsStatistikKoepfe(),
            (Zeile{"Ist", "(Ist)", "verplant", "offen", "Kopplung", "Info", "Lehrer", "Kurse"}));
  EXPECT_EQ(KopplungsStatistikZeile(*o),
            (Zeile{" 9.0", "3", "1", "2", "RE", "", "A B", "A KR, A ER 7a, B KR 7a"}));
  EXPECT_EQ(KopplungsStatistikZeile(*fSchule.HoleKopplung("LEER")),
            (Zeile{" 0.0", "0", "0", "0", "LEER", "", "", ""}));
}

// Placed are the lessons held in the room; the share counts the shown periods of the week.
TEST_F(ElementStatistikTest, RoomShareOfTheWeek) {
  TRaum* r = fSchule.HoleRaum("R1");
  TRaum* anderer = fSchule.HoleRaum("R2");
  TKurs* k = Kurs(fSchule.HoleLehrer("A"), nullptr, 12, r);
  k->RaumErgaenzen(anderer, false);
  for (int32_t tag = 1; tag <= 5; ++tag) Setze(k, 1, tag, 1, r);
  Setze(k, 1, 1, 2, anderer);
  Setze(k, 1, 1, 10, r);  // beyond the shown periods: placed, but no share of the grid
  EXPECT_EQ(RaumStatistikKoepfe(),
            (Zeile{"Ist", "(Ist)", "verplant", "offen", "Anteil", "Raum", "Info"}));
  // 5 of 40 periods: 12.5 % rounds to 13 %.
  EXPECT_EQ(RaumStatistikZeile(*r), (Zeile{"12.0", "12", "6", "5", "13 %", "R1", ""}));
  EXPECT_EQ(RaumStatistikZeile(*anderer), (Zeile{"12.0", "12", "1", "5", "3 %", "R2", ""}));
}

TEST_F(ElementStatistikTest, WindowsOfTheKinds) {
  EXPECT_EQ(StatistikTitel(fac), "Fachstatistik");
  EXPECT_EQ(StatistikTitel(kop), "Kopplungsstatistik");
  EXPECT_EQ(StatistikTitel(rau), "Raumstatistik");
  EXPECT_EQ(StatistikTitel(uvt), "UV-Statistik");
  EXPECT_EQ(StatistikFensterArt(leh), 72);
  EXPECT_EQ(StatistikFensterArt(fac), 74);
  EXPECT_EQ(StatistikFensterArt(kop), 75);
  EXPECT_EQ(StatistikFensterArt(rau), 76);
  EXPECT_EQ(StatistikFensterArt(uvt), 77);
  // Without elements one empty row as wide as the header.
  EXPECT_EQ(StatistikZeilen(fSchule, kop), (std::vector<Zeile>{Zeile(8)}));
  EXPECT_EQ(StatistikElement(fSchule, kop, 0), nullptr);
  fSchule.HoleFach("D");
  TFach* e = fSchule.HoleFach("E");
  EXPECT_EQ(StatistikElement(fSchule, fac, 1), e);
  EXPECT_EQ(StatistikText(fSchule, fac),
            "Ist\t(Ist)\tverplant\toffen\tKurse\tFach\tInfo\r\n"
            " 0.0\t0\t0\t0\t0\tD\t\r\n"
            " 0.0\t0\t0\t0\t0\tE\t\r\n");
}

}  // namespace
}  // namespace orbato
