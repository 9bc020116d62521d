#include "model/uv/uvtab.h"

#include <string>
#include <vector>

#include "model/schnittstellen/fenster.h"
#include "model/schnittstellen/testfenster.h"
#include "model/schulfixture.h"

namespace orbato {
namespace {

template <class T>
std::vector<std::string> Namen(const TListe<T>& liste) {
  std::vector<std::string> namen;
  for (const T* e : liste) namen.push_back(e->fKuerzel.str());
  return namen;
}

class UVTabTest : public SchulTest {
 protected:
  void SetUp() override {
    fTab = new TUVTab;
    fTab->SetKuerzel("UV1");
    fSchule.fUVTabMenge.ListeAnhaengen(fTab);
    fTab->SetGrDatFenster(&fEinrichtung);
    fTab->SetDepFenster(&fMatrix);
    fSchule.SetDirty(false);
  }
  TUVTab* fTab;
  TTestFenster fEinrichtung{0, "UV1"};
  TTestFenster fMatrix{0, "UV1"};
};

TEST_F(UVTabTest, ElementsGoToTheirSortedPlace) {
  TFach* d = fSchule.HoleFach("D");
  TFach* m = fSchule.HoleFach("M");
  TFach* e = fSchule.HoleFach("E");
  d->SetReihe(1);
  e->SetReihe(2);
  m->SetReihe(3);
  EXPECT_TRUE(fTab->NeuesFach(m));
  EXPECT_TRUE(fTab->NeuesFach(d));
  EXPECT_TRUE(fTab->NeuesFach(e));
  EXPECT_EQ(Namen(fTab->fFaecher), (std::vector<std::string>{"D", "E", "M"}));
  EXPECT_EQ(fEinrichtung.fRefreshs, 3);
  EXPECT_EQ(fMatrix.fRefreshs, 3);

  // Already there: the list and the windows stay, the document is still marked changed.
  fSchule.SetDirty(false);
  EXPECT_FALSE(fTab->NeuesFach(e));
  EXPECT_TRUE(fSchule.IsDirty());
  EXPECT_EQ(Namen(fTab->fFaecher), (std::vector<std::string>{"D", "E", "M"}));
  EXPECT_EQ(fMatrix.fRefreshs, 3);

  TLehrer* b = fSchule.HoleLehrer("B");
  TLehrer* a = fSchule.HoleLehrer("A");
  b->SetReihe(2);
  a->SetReihe(1);
  fTab->NeuerLehrer(b);
  fTab->NeuerLehrer(a);
  EXPECT_EQ(Namen(fTab->fLehrer), (std::vector<std::string>{"A", "B"}));
  TKlasse* k = fSchule.HoleKlasse("5a");
  fTab->NeueKlasse(k);
  fTab->NeueKlasse(k);
  EXPECT_EQ(Namen(fTab->fKlassen), (std::vector<std::string>{"5a"}));
}

TEST_F(UVTabTest, RemovingKeepsTheCoursesAndTheOtherLists) {
  TLehrer* a = fSchule.HoleLehrer("A");
  TLehrer* b = fSchule.HoleLehrer("B");
  TKlasse* k = fSchule.HoleKlasse("5a");
  TFach* d = fSchule.HoleFach("D");
  fTab->NeuerLehrer(a);
  fTab->NeuerLehrer(b);
  fTab->NeueKlasse(k);
  fTab->NeuesFach(d);
  TKurs* kurs = Kurs(a, k, 3, nullptr, d);
  const int refreshs = fMatrix.fRefreshs;

  EXPECT_TRUE(fTab->LehrerEntfernen(a));
  EXPECT_EQ(Namen(fTab->fLehrer), (std::vector<std::string>{"B"}));
  EXPECT_EQ(fMatrix.fRefreshs, refreshs + 1);
  EXPECT_EQ(fSchule.fKursMenge.ListeZahlElemente(), 1);
  EXPECT_EQ(kurs->fLehrer, a);
  EXPECT_EQ(a->fKurse.ListeZahlElemente(), 1);

  // Not in the table: only the dirty mark.
  fSchule.SetDirty(false);
  EXPECT_FALSE(fTab->LehrerEntfernen(a));
  EXPECT_FALSE(fTab->FachEntfernen(fSchule.HoleFach("M")));
  EXPECT_TRUE(fSchule.IsDirty());
  EXPECT_EQ(fMatrix.fRefreshs, refreshs + 1);

  EXPECT_TRUE(fTab->KlasseEntfernen(k));
  EXPECT_TRUE(fTab->FachEntfernen(d));
  EXPECT_EQ(fTab->fKlassen.ListeZahlElemente(), 0);
  EXPECT_EQ(fTab->fFaecher.ListeZahlElemente(), 0);
  EXPECT_EQ(fTab->fLehrer.ListeZahlElemente(), 1);
  EXPECT_EQ(k->fKurse.ListeZahlElemente(), 1);
}

TEST_F(UVTabTest, SwitchingTheOrientationKeepsTheLists) {
  fTab->NeuerLehrer(fSchule.HoleLehrer("A"));
  fTab->NeueKlasse(fSchule.HoleKlasse("5a"));
  fTab->NeuesFach(fSchule.HoleFach("D"));
  fSchule.SetDirty(false);
  fTab->SetIstFach(true);
  EXPECT_TRUE(fTab->fIstFach);
  EXPECT_TRUE(fSchule.IsDirty());
  fTab->SetIstFach(false);
  EXPECT_EQ(fTab->fLehrer.ListeZahlElemente(), 1);
  EXPECT_EQ(fTab->fKlassen.ListeZahlElemente(), 1);
  EXPECT_EQ(fTab->fFaecher.ListeZahlElemente(), 1);
}

TEST_F(UVTabTest, DeletedElementsLeaveTheTable) {
  TLehrer* a = fSchule.HoleLehrer("A");
  TKlasse* k = fSchule.HoleKlasse("5a");
  TFach* d = fSchule.HoleFach("D");
  fTab->NeuerLehrer(a);
  fTab->NeueKlasse(k);
  fTab->NeuesFach(d);
  fSchule.LehrerLoeschen(a);
  fSchule.KlasseLoeschen(k);
  fSchule.FachLoeschen(d);
  EXPECT_EQ(fTab->fLehrer.ListeZahlElemente(), 0);
  EXPECT_EQ(fTab->fKlassen.ListeZahlElemente(), 0);
  EXPECT_EQ(fTab->fFaecher.ListeZahlElemente(), 0);
}

}  // namespace
}  // namespace orbato
