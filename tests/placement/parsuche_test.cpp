#include "placement/parsuche.h"

#include <gtest/gtest.h>

#include "model/kurse/kurs.h"
#include "placement/platzierungsfixture.h"

namespace orbato {
namespace {

class ParSucheTest : public PlatzierungsTest {
 protected:
  TKopplung* Kopplung(const char* kuerzel, std::initializer_list<TLehrer*> lehrer) {
    TKopplung* o = fSchule.HoleKopplung(kuerzel);
    for (TLehrer* l : lehrer) Kurs(l, f5a, 2, nullptr, nullptr, o);
    return o;
  }
  // Runs the search to its end, one candidate at a time, and takes its result into the grid.
  TParSuche Suche(TParRaster& r) {
    TParSuche suche(r);
    while (suche.Weiter(1)) {
    }
    SucheBeenden(r, suche);
    return suche;
  }
  std::vector<TKopplung*> Spalte(const TParRaster& r, int32_t s) {
    std::vector<TKopplung*> spalte;
    for (int32_t z = 1; z <= r.Zeilen(); ++z) spalte.push_back(r.Zelle(s, z).fKopplung);
    return spalte;
  }

  TLehrer* fAbe = fSchule.HoleLehrer("ABE");
  TKopplung* fA = Kopplung("A", {fMue});
  TKopplung* fB = Kopplung("B", {fSch});
  TKopplung* fC = Kopplung("C", {fMue, fMei});
  TKopplung* fD = Kopplung("D", {fAbe});
};

TEST_F(ParSucheTest, FindsEveryArrangementAndKeepsTheLast) {
  TParRaster r(fSchule, fStandard, 2, 2);
  r.Setze(1, 1, fA);
  r.Setze(1, 2, fB);
  r.Setze(2, 1, fC);
  r.Setze(2, 2, fD);
  EXPECT_EQ(r.Konflikte(1), 1);
  fSchule.SetDirty(false);

  const TParSuche suche = Suche(r);
  // A over B wants D beside A; B over A wants C beside B.
  EXPECT_EQ(suche.Kombinationen(), 2);
  EXPECT_EQ(Spalte(r, 1), (std::vector<TKopplung*>{fB, fA}));
  EXPECT_EQ(Spalte(r, 2), (std::vector<TKopplung*>{fC, fD}));
  EXPECT_EQ(r.Zelle(1, 1).fMarke, 'K');
  EXPECT_EQ(r.Konflikte(1), 0);
  EXPECT_EQ(r.Konflikte(2), 0);
  EXPECT_TRUE(fSchule.IsDirty());
  EXPECT_EQ(fSchule.fParListe.fListe, (std::vector<TKopplung*>{fB, fC, fA, fD}));
}

TEST_F(ParSucheTest, RunsInStepsOfAnySizeToTheSameEnd) {
  TParRaster r(fSchule, fStandard, 3, 2);
  r.Setze(1, 1, fA);
  r.Setze(1, 2, fB);
  r.Setze(1, 3, fD);
  r.Setze(2, 1, fC);
  TParSuche einzeln(r);
  int64_t schritte = 0;
  while (einzeln.Weiter(1)) ++schritte;
  TParSuche amStueck(r);
  EXPECT_FALSE(amStueck.Weiter(1'000'000));
  EXPECT_TRUE(amStueck.Fertig());
  EXPECT_EQ(einzeln.Versuche(), amStueck.Versuche());
  EXPECT_EQ(einzeln.Kombinationen(), amStueck.Kombinationen());
  EXPECT_EQ(einzeln.Loesung(), amStueck.Loesung());
  // Column 1 in any of 6 orders; C with its two empty cells in the 2 rows without A.
  EXPECT_EQ(amStueck.Kombinationen(), 12);
  EXPECT_EQ(amStueck.Loesung(), (std::vector<TKopplung*>{fD, fB, fA, nullptr, fC, nullptr}));
  EXPECT_GE(schritte, 12);
}

TEST_F(ParSucheTest, TriesEqualNeighboursAndEmptyCellsOnce) {
  TParRaster r(fSchule, fStandard, 3, 2);
  r.Setze(1, 1, fA);
  r.Setze(1, 2, fA);
  r.Setze(1, 3, fB);
  r.Setze(2, 3, fD);
  TParSuche suche(r);
  suche.Weiter(1'000'000);
  // Column 1: A A B in 3 orders, column 2: D over two empty cells in 3.
  EXPECT_EQ(suche.Kombinationen(), 9);
}

TEST_F(ParSucheTest, AFixedCouplingNeverLeavesItsCell) {
  TParRaster r(fSchule, fStandard, 3, 2);
  r.Setze(1, 1, fB);
  r.Setze(1, 2, fA);
  r.Setze(1, 3, fD);
  r.Fixieren(1, 2);
  r.Setze(2, 1, fC);
  r.Fixieren(2, 1);
  const TParSuche suche = Suche(r);
  // A stays in row 2, C in row 1; B and D swap over rows 1 and 3.
  EXPECT_EQ(suche.Kombinationen(), 2);
  EXPECT_EQ(Spalte(r, 1), (std::vector<TKopplung*>{fD, fA, fB}));
  EXPECT_EQ(Spalte(r, 2), (std::vector<TKopplung*>{fC, nullptr, nullptr}));
  EXPECT_EQ(r.Zelle(1, 2).fMarke, 'F');
  EXPECT_EQ(r.Zelle(2, 1).fMarke, 'F');
  EXPECT_EQ(r.Zelle(1, 1).fMarke, 'K');
}

TEST_F(ParSucheTest, WithoutAnArrangementTheGridStaysAsItWas) {
  TParRaster r(fSchule, fStandard, 2, 2);
  r.Setze(1, 1, fA);
  r.Setze(1, 2, fC);
  r.Setze(2, 1, fB);
  r.Setze(2, 2, fC);
  r.Fixieren(2, 1);
  const std::vector<TParZelle> vorher = r.Spaltenweise();
  fSchule.SetDirty(false);
  const TParSuche suche = Suche(r);
  EXPECT_EQ(suche.Kombinationen(), 0);
  EXPECT_TRUE(suche.Loesung().empty());
  EXPECT_EQ(r.Spaltenweise(), vorher);
  EXPECT_EQ(r.Konflikte(1), 0);
  EXPECT_EQ(r.Konflikte(2), 2);
  EXPECT_FALSE(fSchule.IsDirty());
}

TEST_F(ParSucheTest, FixedCellsThatRepeatATeacherLeaveNoArrangement) {
  TParRaster r(fSchule, fStandard, 2, 2);
  r.Setze(1, 1, fA);
  r.Setze(2, 1, fC);
  r.Fixieren(1, 1);
  r.Fixieren(2, 1);
  TParSuche suche(r);
  suche.Weiter(1000);
  EXPECT_TRUE(suche.Fertig());
  EXPECT_EQ(suche.Kombinationen(), 0);
}

}  // namespace
}  // namespace orbato
