#include "model/uv/statistik.h"

#include <string>
#include <vector>

#include "model/schulfixture.h"

namespace orbato {
namespace {

using Zeile = std::vector<std::string>;

class StatistikTest : public SchulTest {};

TEST_F(StatistikTest, HeadersNameTheKind) {
  EXPECT_EQ(StatistikKoepfe(leh), (Zeile{"Soll", "Ist", "(Ist)", "Rest", "Lehrer", "Info"}));
  EXPECT_EQ(StatistikKoepfe(kla), (Zeile{"Soll", "Ist", "(Ist)", "Rest", "Klasse", "Info"}));
}

TEST_F(StatistikTest, TeacherAboveTargetHasNegativeRest) {
  TLehrer* a = fSchule.HoleLehrer("A");
  a->SetInfo("Adam");
  Kurs(a, nullptr, 10)->SetFaktor(2);
  Kurs(a, nullptr, 6);
  EXPECT_EQ(StatistikZeile(*a), (Zeile{"24.0", "26.0", "16", "-2.0", "A", "Adam"}));
  fStandard.fDivisor = 2;  // half hours: the lessons column stays a plain count
  EXPECT_EQ(StatistikZeile(*a), (Zeile{"12.0", "13.0", "16", "-1.0", "A", "Adam"}));
}

TEST_F(StatistikTest, ClassCountsACouplingOnceTeachersEachCourse) {
  TKlasse* k = fSchule.HoleKlasse("5a");
  TKopplung* o = fSchule.HoleKopplung("K1");
  TLehrer* a = fSchule.HoleLehrer("A");
  TLehrer* b = fSchule.HoleLehrer("B");
  TLehrer* c = fSchule.HoleLehrer("C");
  Kurs(a, k, 2, nullptr, nullptr, o);
  Kurs(b, k, 4, nullptr, nullptr, o);
  Kurs(c, k, 3, nullptr, nullptr, o);
  EXPECT_EQ(StatistikZeile(*k), (Zeile{"30.0", " 4.0", "4", "26.0", "5a", ""}));
  EXPECT_EQ(StatistikZeile(*a), (Zeile{"24.0", " 2.0", "2", "22.0", "A", ""}));
  EXPECT_EQ(StatistikZeile(*b), (Zeile{"24.0", " 4.0", "4", "20.0", "B", ""}));
  k->SetKopDop(true);
  EXPECT_EQ(StatistikZeile(*k), (Zeile{"30.0", " 9.0", "9", "21.0", "5a", ""}));
}

TEST_F(StatistikTest, TableInDocumentOrder) {
  EXPECT_EQ(StatistikZeilen(fSchule, leh), (std::vector<Zeile>{Zeile(6)}));
  EXPECT_EQ(StatistikText(fSchule, kla), "Soll\tIst\t(Ist)\tRest\tKlasse\tInfo\r\n\t\t\t\t\t\r\n");
  fSchule.HoleLehrer("B");
  Kurs(fSchule.HoleLehrer("A"), nullptr, 2);
  EXPECT_EQ(StatistikText(fSchule, leh),
            "Soll\tIst\t(Ist)\tRest\tLehrer\tInfo\r\n"
            "24.0\t 0.0\t0\t24.0\tB\t\r\n"
            "24.0\t 2.0\t2\t22.0\tA\t\r\n");
}

}  // namespace
}  // namespace orbato
