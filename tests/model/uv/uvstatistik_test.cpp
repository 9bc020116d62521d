#include "model/uv/uvstatistik.h"

#include <string>
#include <vector>

#include "model/schulfixture.h"
#include "model/uv/statistik.h"

namespace orbato {
namespace {

using Zeile = std::vector<std::string>;

class UVStatistikTest : public SchulTest {
 protected:
  TUVTab* Tabelle(const char* name, bool istFach) {
    auto* tab = new TUVTab;
    tab->SetKuerzel(name);
    tab->SetIstFach(istFach);
    fSchule.fUVTabMenge.ListeAnhaengen(tab);
    return tab;
  }
  std::vector<Zeile> Texte() {
    std::vector<Zeile> texte;
    for (const TUVStatistikZeile& z : UVStatistik(fSchule)) texte.push_back(z.fTexte);
    return texte;
  }
};

// Classes and subjects: a course of a subject outside the table is left out, a course of two
// classes counts in both rows, a coupling counts once in its class with its largest course; the
// table's line adds up its class rows.
TEST_F(UVStatistikTest, ClassesAgainstTheirTargets) {
  TKlasse* a = fSchule.HoleKlasse("5a");
  TKlasse* b = fSchule.HoleKlasse("5b");
  TFach* m = fSchule.HoleFach("M");
  TFach* d = fSchule.HoleFach("D");
  TKopplung* o = fSchule.HoleKopplung("K1");
  Kurs(fSchule.HoleLehrer("L1"), a, 4, nullptr, m);
  Kurs(fSchule.HoleLehrer("L2"), a, 3, nullptr, d)->KlasseErgaenzen(b);
  Kurs(fSchule.HoleLehrer("L3"), a, 2, nullptr, fSchule.HoleFach("E"));
  Kurs(fSchule.HoleLehrer("L3"), b, 2, nullptr, d, o);
  Kurs(fSchule.HoleLehrer("L4"), b, 3, nullptr, m, o);
  TUVTab* tab = Tabelle("UV1", true);
  tab->SetInfo("Unterstufe");
  tab->NeueKlasse(a);
  tab->NeueKlasse(b);
  tab->NeuesFach(m);
  tab->NeuesFach(d);
  EXPECT_EQ(UVStatistikKoepfe(),
            (Zeile{"Soll", "Ist", "(Ist)", "Rest", "Tabelle", "Zeile", "Spalte", "Info"}));
  EXPECT_EQ(Texte(), (std::vector<Zeile>{{"60.0", "13.0", "13", "47.0", "UV1", "Klassen",
                                          "F\xE4"
                                          "cher",
                                          "Unterstufe"},
                                         {"30.0", " 7.0", "7", "23.0", "UV1", "5a", "", ""},
                                         {"30.0", " 6.0", "6", "24.0", "UV1", "5b", "", ""},
                                         {"", " 7.0", "7", "", "UV1", "", "M", ""},
                                         {"", " 5.0", "5", "", "UV1", "", "D", ""}}));
  // Counted with its own hours, the coupling adds both courses to 5b.
  b->SetKopDop(true);
  EXPECT_EQ(Texte()[2], (Zeile{"30.0", " 8.0", "8", "22.0", "UV1", "5b", "", ""}));
  EXPECT_EQ(UVStatistik(fSchule)[3].fElement, m);
  EXPECT_EQ(UVStatistik(fSchule)[0].fElement, tab);
}

// Teachers and classes: only the courses in the table's classes, respectively of its teachers;
// a teacher's course not counted for him is left out of his row.
TEST_F(UVStatistikTest, TeachersAndClassesAgainstTheirTargets) {
  TLehrer* l1 = fSchule.HoleLehrer("L1");
  TLehrer* l2 = fSchule.HoleLehrer("L2");
  TKlasse* a = fSchule.HoleKlasse("5a");
  TKlasse* b = fSchule.HoleKlasse("5b");
  Kurs(l1, a, 4);
  Kurs(l2, a, 3)->KlasseErgaenzen(b);
  TKurs* frei = Kurs(l2, b, 2);
  frei->SetnichtZaehlenLe(true);
  Kurs(fSchule.HoleLehrer("L3"), b, 5);
  TUVTab* tab = Tabelle("UV2", false);
  tab->NeuerLehrer(l1);
  tab->NeuerLehrer(l2);
  tab->NeueKlasse(b);
  EXPECT_EQ(StatistikZeilen(fSchule, uvt),
            (std::vector<Zeile>{{"48.0", " 3.0", "3", "45.0", "UV2", "Lehrer", "Klassen", ""},
                                {"24.0", " 0.0", "0", "24.0", "UV2", "L1", "", ""},
                                {"24.0", " 3.0", "3", "21.0", "UV2", "L2", "", ""},
                                {"30.0", " 5.0", "5", "25.0", "UV2", "", "5b", ""}}));
  EXPECT_EQ(StatistikElement(fSchule, uvt, 3), b);
  EXPECT_EQ(StatistikElement(fSchule, uvt, 4), nullptr);
}

TEST_F(UVStatistikTest, EmptyTableAndNoTable) {
  EXPECT_EQ(StatistikZeilen(fSchule, uvt), (std::vector<Zeile>{Zeile(8)}));
  Tabelle("LEER", true);
  EXPECT_EQ(Texte(), (std::vector<Zeile>{{" 0.0", " 0.0", "0", " 0.0", "LEER", "Klassen",
                                          "F\xE4"
                                          "cher",
                                          ""}}));
}

}  // namespace
}  // namespace orbato
