#include "placement/parraster.h"

#include <gtest/gtest.h>

#include "model/kurse/kurs.h"
#include "placement/platzierungsfixture.h"

namespace orbato {
namespace {

class ParRasterTest : public PlatzierungsTest {
 protected:
  // A coupling of one course per teacher given.
  TKopplung* Kopplung(const char* kuerzel, std::initializer_list<TLehrer*> lehrer,
                      TFach* fach = nullptr) {
    TKopplung* o = fSchule.HoleKopplung(kuerzel);
    for (TLehrer* l : lehrer) {
      // Two hours in each of the three versions.
      Kurs(l, f5a, 2, fR1, fach, o)->fStunden.SetWochenStunde(0, 2);
    }
    return o;
  }

  TKopplung* fA = Kopplung("A", {fMue, fSch});
  TKopplung* fB = Kopplung("B", {fMue}, fM);
  TKopplung* fC = Kopplung("C", {fMei, fSch}, fD);
};

TEST_F(ParRasterTest, CountsEachTeacherNeededMoreThanOnceInARow) {
  TParRaster r(fSchule, fStandard, 2, 3);
  fSchule.SetDirty(false);
  r.Setze(1, 1, fA);
  EXPECT_EQ(r.Konflikte(1), 0);
  r.Setze(2, 1, fB);
  EXPECT_EQ(r.Konflikte(1), 1);  // MUE in A and B
  r.Setze(3, 1, fC);
  EXPECT_EQ(r.Konflikte(1), 2);  // and SCH in A and C
  EXPECT_EQ(r.Konflikte(2), 0);
  // The same coupling twice in a row needs all its teachers twice.
  r.Setze(1, 2, fA);
  r.Setze(2, 2, fA);
  EXPECT_EQ(r.Konflikte(2), 2);
  EXPECT_EQ(r.Zelle(1, 1), (TParZelle{fA, 'K'}));

  // Written back row by row, with the size.
  EXPECT_TRUE(fSchule.IsDirty());
  EXPECT_EQ(fSchule.fParListe.fZeilen, 2);
  EXPECT_EQ(fSchule.fParListe.fSpalten, 3);
  EXPECT_EQ(fSchule.fParListe.fListe, (std::vector<TKopplung*>{fA, fB, fC, fA, fA, nullptr}));
}

TEST_F(ParRasterTest, RecountingAnUnchangedGridLeavesTheDocumentClean) {
  TParRaster r(fSchule, fStandard, 2, 2);
  r.Setze(2, 2, fB);
  fSchule.SetDirty(false);
  r.AlleBerechnen();
  EXPECT_FALSE(fSchule.IsDirty());
  EXPECT_EQ(fSchule.fParListe.fListe, (std::vector<TKopplung*>{nullptr, nullptr, nullptr, fB}));
}

TEST_F(ParRasterTest, TakesOverTheStoredGridCellByCell) {
  fSchule.fParListe.SetZeilen(2);
  fSchule.fParListe.SetSpalten(2);
  fSchule.fParListe.fListe = {fA, nullptr, fB, fC};
  const TParRaster r = TParRaster::AusParListe(fSchule, fStandard, 3, 3);
  EXPECT_EQ(r.Zeilen(), 3);
  EXPECT_EQ(r.Spalten(), 3);
  EXPECT_EQ(r.Zelle(1, 1), (TParZelle{fA, 'K'}));
  EXPECT_EQ(r.Zelle(2, 1), TParZelle{});
  EXPECT_EQ(r.Zelle(1, 2), (TParZelle{fB, 'K'}));
  EXPECT_EQ(r.Zelle(2, 2), (TParZelle{fC, 'K'}));
  EXPECT_EQ(r.Zelle(3, 3), TParZelle{});

  // A smaller grid keeps what lies inside it; a stored list shorter than its size reads empty.
  fSchule.fParListe.fListe = {fA, fB};
  const TParRaster klein = TParRaster::AusParListe(fSchule, fStandard, 2, 1);
  EXPECT_EQ(klein.Zelle(1, 1), (TParZelle{fA, 'K'}));
  EXPECT_EQ(klein.Zelle(1, 2), TParZelle{});
}

TEST_F(ParRasterTest, ToolsMoveCopyEmptyAndFixCells) {
  TParRaster r(fSchule, fStandard, 3, 2);
  r.Setze(1, 1, fA);
  r.Fixieren(1, 1);
  EXPECT_EQ(r.Zelle(1, 1).fMarke, 'F');
  r.Fixieren(2, 1);  // empty: nothing to fix
  EXPECT_EQ(r.Zelle(2, 1), TParZelle{});

  // Moving a fixed coupling leaves it movable in its new cell.
  r.Schiebe(1, 1, 2, 2, false);
  EXPECT_EQ(r.Zelle(1, 1), TParZelle{});
  EXPECT_EQ(r.Zelle(2, 2), (TParZelle{fA, 'K'}));
  r.Setze(1, 2, fB);
  EXPECT_EQ(r.Konflikte(2), 1);

  r.Schiebe(2, 2, 2, 3, true);
  EXPECT_EQ(r.Zelle(2, 2), (TParZelle{fA, 'K'}));
  EXPECT_EQ(r.Zelle(2, 3), (TParZelle{fA, 'K'}));
  r.Fixieren(2, 3);
  r.Fixieren(2, 3);
  EXPECT_EQ(r.Zelle(2, 3).fMarke, 'K');

  r.Leeren(2, 2);
  EXPECT_EQ(r.Zelle(2, 2), TParZelle{});
  EXPECT_EQ(r.Konflikte(2), 0);
  EXPECT_EQ(fSchule.fParListe.fListe,
            (std::vector<TKopplung*>{nullptr, nullptr, fB, nullptr, nullptr, fA}));

  r.KopplungEntfernt(fA);
  EXPECT_EQ(r.Zelle(2, 3), TParZelle{});
  EXPECT_EQ(fSchule.fParListe.fListe,
            (std::vector<TKopplung*>{nullptr, nullptr, fB, nullptr, nullptr, nullptr}));
}

TEST_F(ParRasterTest, CopiesAsTabSeparatedTextWithOrWithoutSubjects) {
  TParRaster r(fSchule, fStandard, 2, 2);
  r.Setze(1, 1, fB);
  r.Setze(2, 1, fC);
  r.Setze(2, 2, fA);
  EXPECT_EQ(r.Text(false), "Konfl.\tSpalte 1\tSpalte 2\n0\tB\tC\n0\t\tA\n");
  EXPECT_EQ(r.Text(true), "Konfl.\tSpalte 1\tSpalte 2\n0\tB M\tC D\n0\t\tA\n");
  EXPECT_EQ(ParKoepfe(3), (std::vector<std::string>{"Konfl.", "Spalte 1", "Spalte 2", "Spalte 3"}));
}

TEST_F(ParRasterTest, SetMenuOffersEveryCouplingAndTheRowByDayAndPeriod) {
  fStandard.fMaxTageNeu = 5;
  fStandard.fPlnStd = 3;
  TParRaster r(fSchule, fStandard, 2, 2);
  r.Setze(1, 1, fB);
  int danach = 0;
  TMenu menu = r.SetzMenu(2, 1, [&danach] { ++danach; });
  EXPECT_EQ(Texte(menu), (std::vector<std::string>{"leer", "A", "B", "C", "-", "Zeile 1 setzen"}));
  EXPECT_TRUE(menu[0].fChecked);
  ASSERT_TRUE(WaehleEintrag(menu, "C"));
  EXPECT_EQ(r.Zelle(2, 1), (TParZelle{fC, 'K'}));
  EXPECT_EQ(danach, 1);

  menu = r.SetzMenu(2, 1);
  EXPECT_TRUE(FindeEintrag(menu, "C")->fChecked);
  const TMenuEintrag& zeile = menu.back();
  EXPECT_EQ(Texte(zeile.fUntermenu),
            (std::vector<std::string>{"Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag"}));
  EXPECT_EQ(Texte(zeile.fUntermenu[0].fUntermenu),
            (std::vector<std::string>{"1. Stunde", "2. Stunde", "3. Stunde"}));
  EXPECT_EQ(zeile.fUntermenu[1].fUntermenu[2].fTag, 203);

  // A period where a teacher of the row is blocked cannot take the row.
  fMei->fSperrung.SetWocheTagStd(1, 2, true, 3);
  menu = r.SetzMenu(0, 1);
  EXPECT_EQ(Texte(menu), (std::vector<std::string>{"Zeile 1 setzen"}));
  EXPECT_FALSE(menu[0].fUntermenu[1].fUntermenu[2].fEnabled);
  EXPECT_TRUE(menu[0].fUntermenu[1].fUntermenu[1].fEnabled);
  // An empty row has nothing to place.
  EXPECT_FALSE(r.SetzMenu(0, 2)[0].fEnabled);
}

TEST_F(ParRasterTest, PlacingARowInOneVersionGivesEachCourseOneHourThere) {
  fStandard.fAktuelleWoche = 2;
  TParRaster r(fSchule, fStandard, 2, 3);
  r.Setze(1, 1, fA);
  r.Setze(2, 1, fB);
  r.Setze(3, 1, fC);
  r.Setze(1, 2, fB);

  EXPECT_EQ(SetzZeile(fStandard, r, 1, 3, 4), 5);
  for (const TKopplung* o : {fA, fB, fC}) {
    for (const TKurs* k : o->fKurse) {
      ASSERT_EQ(k->fSetzungen.ListeZahlElemente(), 1);
      const TSetzung* s = k->fSetzungen.ListeNrInhalt(1);
      EXPECT_EQ(s->fWoche, 2);
      EXPECT_EQ(s->fTag, 3);
      EXPECT_EQ(s->fStunde, 4);
      EXPECT_FALSE(s->fFixiert);
    }
  }
  // The first course takes the room, the others find it occupied.
  int imRaum = 0;
  for (const TKurs* k : fSchule.fKursMenge) imRaum += k->fSetzungen.ListeNrInhalt(1)->fRaum == fR1;
  EXPECT_EQ(imRaum, 1);
  EXPECT_EQ(fSchule.fKursMenge.ListeZahlElemente(), 5);
}

TEST_F(ParRasterTest, PlacingARowInEveryVersion) {
  fStandard.fEineWoche = false;
  TParRaster r(fSchule, fStandard, 2, 2);
  r.Setze(2, 2, fB);
  EXPECT_EQ(SetzZeile(fStandard, r, 2, 1, 1), 3);
  const TKurs* k = fB->fKurse.ListeNrInhalt(1);
  for (int32_t w = 1; w <= 3; ++w) EXPECT_NE(k->SetzungFinden(w, 1, 1), nullptr);
  // Placed once, a row is not placed twice in the same cell; an empty row places nothing.
  EXPECT_EQ(SetzZeile(fStandard, r, 2, 1, 1), 0);
  EXPECT_EQ(SetzZeile(fStandard, r, 1, 1, 1), 0);
}

// The row menu and the row's placing keep to the settings the grid was handed, whatever the
// installed ones say.
TEST_F(ParRasterTest, TheRowFollowsTheSettingsTheGridWasHanded) {
  TStandard eigene;
  eigene.SetMaxWocheNeu(3);
  eigene.fAktuelleWoche = 3;
  eigene.fMaxTageNeu = 2;
  eigene.fPlnStd = 1;
  fStandard.fMaxTageNeu = 5;
  fStandard.fPlnStd = 3;
  TParRaster r(fSchule, eigene, 1, 1);
  r.Setze(1, 1, fA);
  TMenu zeile = r.ZeilenMenu(1);
  EXPECT_EQ(Texte(zeile), (std::vector<std::string>{"Montag", "Dienstag"}));
  EXPECT_EQ(Texte(zeile[1].fUntermenu), std::vector<std::string>{"1. Stunde"});

  ASSERT_TRUE(WaehleEintrag(zeile[1].fUntermenu, "1. Stunde"));
  for (const TKurs* k : fA->fKurse) {
    ASSERT_EQ(k->fSetzungen.ListeZahlElemente(), 1);
    const TSetzung* s = k->fSetzungen.ListeNrInhalt(1);
    EXPECT_EQ(s->fWoche, 3);
    EXPECT_EQ(s->fTag, 2);
    EXPECT_EQ(s->fStunde, 1);
  }
}

}  // namespace
}  // namespace orbato
