#include "model/uv/uvmatrix.h"

#include <string>
#include <vector>

#include "model/schulfixture.h"

namespace orbato {
namespace {

using enum TUVZellArt;

class UVMatrixTest : public SchulTest {
 protected:
  void SetUp() override {
    fTab = new TUVTab;
    fSchule.fUVTabMenge.ListeAnhaengen(fTab);
    fA = fSchule.HoleLehrer("A");
    fB = fSchule.HoleLehrer("B");
    f5a = fSchule.HoleKlasse("5a");
    f5b = fSchule.HoleKlasse("5b");
    fD = fSchule.HoleFach("D");
    fM = fSchule.HoleFach("M");
    fA->SetReihe(1);
    fB->SetReihe(2);
    f5a->SetReihe(1);
    f5b->SetReihe(2);
    fD->SetReihe(1);
    fM->SetReihe(2);
    fTab->NeueKlasse(f5a);
    fTab->NeueKlasse(f5b);
    fTab->NeuesFach(fD);
    fTab->NeuesFach(fM);
    fTab->NeuerLehrer(fA);
    fTab->NeuerLehrer(fB);
  }
  // Each row as "kind:short names", the course cells by their second value.
  std::vector<std::string> Raster(const TUVMatrix& m) {
    std::vector<std::string> zeilen;
    for (int32_t z = 0; z < m.Zeilen(); ++z) {
      std::string zeile;
      for (int32_t s = 0; s < m.Spalten(); ++s) {
        const TUVZelle c = m.Zelle(z, s);
        zeile += s ? "|" : "";
        zeile += c.fArt == Leer               ? "-"
                 : c.fArt == TUVZellArt::Kurs ? "k" + std::to_string(Nummer(c.fKurs))
                                              : m.Text(z, s).fKuerzel;
      }
      zeilen.push_back(zeile);
    }
    return zeilen;
  }
  int Nummer(const TKurs* k) {
    for (std::size_t i = 0; i < fKurse.size(); ++i) {
      if (fKurse[i] == k) return static_cast<int>(i) + 1;
    }
    return 0;
  }
  TKurs* Neu(TLehrer* l, TKlasse* k, int32_t std, TFach* f, TKopplung* o = nullptr) {
    fKurse.push_back(Kurs(l, k, std, nullptr, f, o));
    return fKurse.back();
  }
  TUVTab* fTab;
  TLehrer *fA, *fB;
  TKlasse *f5a, *f5b;
  TFach *fD, *fM;
  std::vector<TKurs*> fKurse;
};

TEST_F(UVMatrixTest, WithoutClassesOrSubjectsOnlyTheCorner) {
  TUVTab leer;
  TUVMatrix m(leer);
  EXPECT_EQ(m.Zeilen(), 1);
  EXPECT_EQ(m.Spalten(), 1);
  EXPECT_EQ(m.Zelle(0, 0).fArt, Ecke);
  EXPECT_EQ(m.Text(0, 0).fKuerzel, "UV");
  leer.fIstFach = true;
  leer.NeueKlasse(f5a);
  m.Aufbauen();
  EXPECT_EQ(Raster(m), (std::vector<std::string>{"UV"}));
}

TEST_F(UVMatrixTest, ClassesAndSubjectsFillTheFirstFreeRowOfTheBlock) {
  fTab->fIstFach = true;
  Neu(fA, f5a, 3, fD);
  Neu(fB, f5a, 2, fD);
  Neu(fB, f5a, 4, fM);
  Neu(fA, f5b, 1, fM);
  Neu(nullptr, f5b, 1, nullptr);           // no subject: not shown
  Neu(fA, f5b, 1, fSchule.HoleFach("E"));  // subject outside the table
  TUVMatrix m(*fTab);
  EXPECT_EQ(Raster(m), (std::vector<std::string>{"UV|D|M", "5a|k1|k3", "5a|k2|-", "5b|-|k4"}));
  const TUVZelle c = m.Zelle(2, 1);
  EXPECT_EQ(c.fZeile, f5a);
  EXPECT_EQ(c.fSpalte, fD);
  EXPECT_EQ(m.Zelle(0, 2).fArt, Spaltenkopf);
  EXPECT_EQ(m.Zelle(0, 2).fSpalte, fM);
  EXPECT_EQ(m.Zelle(3, 0).fArt, Zeilenkopf);
  EXPECT_EQ(m.Zelle(3, 0).fZeile, f5b);
  EXPECT_EQ(m.Zelle(4, 0).fArt, Leer);  // outside the grid
}

TEST_F(UVMatrixTest, TeachersAndClassesFillTheFirstFreeColumnOfTheBlock) {
  fTab->fIstFach = false;
  Neu(fA, f5a, 3, fD);
  Neu(fA, f5a, 2, fM);
  TKurs* beide = Neu(fB, f5a, 4, fM);
  beide->KlasseErgaenzen(f5b);
  Neu(nullptr, f5b, 2, fD);  // no teacher: not shown
  TUVMatrix m(*fTab);
  EXPECT_EQ(Raster(m), (std::vector<std::string>{"UV|5a|5a|5b", "A|k1|k2|-", "B|k3|-|k3"}));
  EXPECT_EQ(m.Zelle(0, 3).fSpalte, f5b);
  EXPECT_EQ(m.Zelle(2, 3).fZeile, fB);
  EXPECT_EQ(m.Text(1, 2).fKuerzel, "M");
  EXPECT_FALSE(m.Stil(2, 1).fKursiv);
  EXPECT_TRUE(m.Stil(2, 3).fKursiv);

  // The teacher leaves the table; his courses stay in the document.
  fTab->LehrerEntfernen(fA);
  m.Aufbauen();
  EXPECT_EQ(Raster(m), (std::vector<std::string>{"UV|5a|5b", "B|k3|k3"}));
  EXPECT_EQ(fSchule.fKursMenge.ListeZahlElemente(), 4);
}

TEST_F(UVMatrixTest, ACourseOfTwoClassesIsItalicInTheSecondBlock) {
  fTab->fIstFach = true;
  TKurs* k = Neu(fA, f5a, 2, fD);
  k->KlasseErgaenzen(f5b);
  TUVMatrix m(*fTab);
  EXPECT_EQ(Raster(m), (std::vector<std::string>{"UV|D|M", "5a|k1|-", "5b|k1|-"}));
  EXPECT_FALSE(m.Stil(1, 1).fKursiv);
  EXPECT_TRUE(m.Stil(2, 1).fKursiv);
}

TEST_F(UVMatrixTest, CellsShowWorkloadAndTeacherOrCoupling) {
  fTab->fIstFach = true;
  TKopplung* o = fSchule.HoleKopplung("K1");
  TKurs* k = Neu(fA, f5a, 3, fD, o);
  k->SetFaktor(2);
  k->SetColor(0x00FF00);
  TKurs* ohne = Neu(nullptr, f5a, 2, fM);
  TUVMatrix m(*fTab);
  EXPECT_EQ(m.Schalter(), "o");
  EXPECT_EQ(m.Text(1, 1).fStunden, " 6.0");
  EXPECT_EQ(m.Text(1, 1).fKuerzel, "K1");
  m.SchalterUmschalten();
  EXPECT_EQ(m.Schalter(), "x");
  EXPECT_EQ(m.Text(1, 1).fKuerzel, "A");
  TUVStil stil = m.Stil(1, 1);
  EXPECT_FALSE(stil.fRot);
  EXPECT_TRUE(stil.fFett);
  EXPECT_EQ(stil.fFarbe, 0x00FF00);
  fStandard.fPlnKoppFett = false;
  EXPECT_FALSE(m.Stil(1, 1).fFett);
  EXPECT_EQ(m.Text(1, 2).fKuerzel, "");
  EXPECT_TRUE(m.Stil(1, 2).fRot);
  EXPECT_EQ(UVKursText(*ohne, false, true).fKuerzel, "M");
  EXPECT_FALSE(UVKursStil(*ohne, f5a, false).fRot);

  // Headers: target 30 minus 6 + 2, red while they differ; a subject has no number.
  EXPECT_EQ(m.Text(1, 0).fStunden, "22.0");
  EXPECT_EQ(m.Text(1, 0).fKuerzel, "5a");
  EXPECT_TRUE(m.Stil(1, 0).fRot);
  EXPECT_EQ(m.Text(0, 1).fStunden, "");
  EXPECT_EQ(m.Text(0, 1).fKuerzel, "D");
  EXPECT_FALSE(m.Stil(0, 1).fRot);
  f5b->SetSoll(-1, 0);
  EXPECT_EQ(m.Text(2, 0).fStunden, " 0.0");
  EXPECT_FALSE(m.Stil(2, 0).fRot);
  EXPECT_EQ(m.Text(2, 1).fStunden, "");  // empty cell
}

TEST_F(UVMatrixTest, AddingACourseUsesAFreeCellOrANewLineAfterTheBlock) {
  fTab->fIstFach = true;
  Neu(fA, f5a, 3, fD);
  Neu(fA, f5b, 3, fM);
  TUVMatrix m(*fTab);
  EXPECT_FALSE(m.KursEinfuegen(fKurse[0]));  // already in its block
  EXPECT_TRUE(m.KursEinfuegen(Neu(fB, f5a, 2, fM)));
  EXPECT_TRUE(m.KursEinfuegen(Neu(fB, f5a, 2, fD)));
  EXPECT_EQ(Raster(m), (std::vector<std::string>{"UV|D|M", "5a|k1|k3", "5a|k4|-", "5b|-|k2"}));
  EXPECT_FALSE(m.KursEinfuegen(Neu(fB, f5a, 2, nullptr)));

  EXPECT_TRUE(m.KursEntfernen(fKurse[0]));
  EXPECT_FALSE(m.KursEntfernen(fKurse[0]));
  EXPECT_EQ(Raster(m), (std::vector<std::string>{"UV|D|M", "5a|-|k3", "5a|k4|-", "5b|-|k2"}));

  EXPECT_TRUE(m.LeerzeileEinfuegen(f5b));
  EXPECT_FALSE(m.LeerzeileEinfuegen(fA));
  EXPECT_EQ(Raster(m),
            (std::vector<std::string>{"UV|D|M", "5a|-|k3", "5a|k4|-", "5b|-|k2", "5b|-|-"}));
}

// After changes elsewhere the grid keeps its empty lines and the cells of the courses that still
// belong there; a course that moved to another subject leaves its cell for the first free one of
// its new column; new lists of the table lay the grid out anew.
TEST_F(UVMatrixTest, CatchingUpKeepsEmptyLinesAndMovesOnlyWhatChanged) {
  fTab->fIstFach = true;
  Neu(fA, f5a, 3, fD);
  Neu(fB, f5a, 2, fD);
  TUVMatrix m(*fTab);
  m.LeerzeileEinfuegen(f5a);
  EXPECT_FALSE(m.Abgleichen());
  EXPECT_EQ(Raster(m),
            (std::vector<std::string>{"UV|D|M", "5a|k1|-", "5a|k2|-", "5a|-|-", "5b|-|-"}));

  fKurse[0]->FachErgaenzen(fM);
  Neu(fA, f5b, 1, fD);
  EXPECT_TRUE(m.Abgleichen());
  EXPECT_EQ(Raster(m),
            (std::vector<std::string>{"UV|D|M", "5a|-|k1", "5a|k2|-", "5a|-|-", "5b|k3|-"}));
  fKurse[1]->KlasseEntfernen(f5a);
  fKurse[1]->KlasseErgaenzen(f5b);
  EXPECT_TRUE(m.Abgleichen());
  EXPECT_EQ(Raster(m), (std::vector<std::string>{"UV|D|M", "5a|-|k1", "5a|-|-", "5a|-|-", "5b|k3|-",
                                                 "5b|k2|-"}));

  fTab->FachEntfernen(fM);
  EXPECT_TRUE(m.Abgleichen());
  EXPECT_EQ(Raster(m), (std::vector<std::string>{"UV|D", "5a|-", "5b|k2", "5b|k3"}));
}

TEST_F(UVMatrixTest, DoubleClickOnAnEmptyCellCreatesTheCourse) {
  TRaum* r1 = fSchule.HoleRaum("R1");
  TRaum* r2 = fSchule.HoleRaum("R2");
  f5a->SetRaum(r1);
  fA->SetRaum(r2);
  fTab->fIstFach = true;
  TUVMatrix m(*fTab);
  EXPECT_EQ(m.KursAnlegen(0, 1), nullptr);
  TKurs* k = m.KursAnlegen(1, 2);
  ASSERT_NE(k, nullptr);
  EXPECT_EQ(k->OhneRaumZeile(nullptr), "M 5a");
  EXPECT_EQ(k->fStunden.GetWochenStunde(-1), 3);
  EXPECT_EQ(k->ErsterRaum(), r1);
  EXPECT_EQ(m.Zelle(1, 2).fKurs, k);
  EXPECT_EQ(m.KursAnlegen(1, 2), nullptr);

  fTab->fIstFach = false;
  m.Aufbauen();
  TKurs* l = m.KursAnlegen(1, 2);  // teacher A, class 5b without a room of its own
  ASSERT_NE(l, nullptr);
  EXPECT_EQ(l->OhneRaumZeile(nullptr), "A 5b");
  EXPECT_EQ(l->ErsterRaum(), r2);
  EXPECT_EQ(fSchule.fKursMenge.ListeZahlElemente(), 2);
}

TEST_F(UVMatrixTest, DeleteToolSparesPlacedCourses) {
  TRaum* r1 = fSchule.HoleRaum("R1");
  fTab->fIstFach = true;
  TKurs* frei = Neu(fA, f5a, 3, fD);
  TKurs* verplant = Neu(fB, f5a, 3, fM);
  frei->RaumErgaenzen(r1, false);
  verplant->RaumErgaenzen(r1, false);
  Setze(verplant, 1, 1, 1, r1);
  TUVMatrix m(*fTab);
  EXPECT_FALSE(m.RaeumeEntfernen(1, 2));
  EXPECT_TRUE(m.RaeumeEntfernen(1, 1));
  EXPECT_FALSE(m.RaeumeEntfernen(1, 1));  // none left
  EXPECT_EQ(frei->fRaeume.ListeZahlElemente(), 0);
  EXPECT_EQ(verplant->ErsterRaum(), r1);

  EXPECT_EQ(m.ElementeEntfernen({{1, 1}, {1, 1}, {1, 2}, {2, 0}}), 1);
  EXPECT_EQ(frei->fLehrer, nullptr);
  EXPECT_EQ(verplant->fLehrer, fB);
  EXPECT_TRUE(m.Stil(1, 1).fRot);

  fTab->fIstFach = false;
  m.Aufbauen();
  EXPECT_EQ(Raster(m), (std::vector<std::string>{"UV|5a|5b", "A|-|-", "B|k2|-"}));
  verplant->AlleSetzungenAufgeben();
  EXPECT_EQ(m.ElementeEntfernen({{2, 1}}), 1);
  EXPECT_EQ(verplant->fFach, nullptr);
  EXPECT_EQ(m.Text(2, 1).fKuerzel, "");
}

TEST_F(UVMatrixTest, DeletingTheSelectionDestroysUnplacedCoursesOnce) {
  fTab->fIstFach = true;
  TKurs* beide = Neu(fA, f5a, 2, fD);
  beide->KlasseErgaenzen(f5b);
  TKurs* verplant = Neu(fB, f5a, 3, fM);
  Setze(verplant, 1, 1, 1);
  TUVMatrix m(*fTab);
  EXPECT_EQ(m.AuswahlLoeschen(fSchule, {{1, 1}, {2, 1}, {1, 2}, {2, 2}}), 1);
  EXPECT_EQ(fSchule.fKursMenge.ListeZahlElemente(), 1);
  EXPECT_EQ(Raster(m), (std::vector<std::string>{"UV|D|M", "5a|-|k2", "5b|-|-"}));
}

TEST_F(UVMatrixTest, CopyGivesTabSeparatedLines) {
  fTab->fIstFach = true;
  Neu(fA, f5a, 3, fD);
  Neu(nullptr, f5b, 2, fM);
  TUVMatrix m(*fTab);
  m.SchalterUmschalten();
  EXPECT_EQ(m.KopierText(),
            "\t\tD\t\tM\r\n"
            "27.0 5a\t 3.0\tA\t0\t\r\n"
            "28.0 5b\t0\t\t 2.0\t\r\n");

  fTab->fIstFach = false;
  m.Aufbauen();
  EXPECT_EQ(m.KopierText(),
            "\t\t27.0 5a\t\t28.0 5b\r\n"
            "21.0 A\t 3.0\tD\t0\t\r\n"
            "24.0 B\t0\t\t0\t\r\n");
}

}  // namespace
}  // namespace orbato
