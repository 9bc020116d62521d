#include "placement/setzmenue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/schnittstellen/dialoge.h"
#include "model/schulfixture.h"
#include "placement/setzen.h"

namespace orbato {
namespace {

class SetzMenu : public SchulTest {
 protected:
  void SetUp() override { fSchule.SetDialoge(&fDialoge); }

  TSkriptDialoge fDialoge;
};

TEST_F(SetzMenu, EntryForAnEmptyCellHasCaptionEnablingAndRoomSubmenu) {
  TRaum* a = fSchule.HoleRaum("A");
  TRaum* b = fSchule.HoleRaum("B");
  TLehrer* l = fSchule.HoleLehrer("L");
  TKurs* k = Kurs(l, fSchule.HoleKlasse("5a"), 3, a, fSchule.HoleFach("D"));
  k->RaumErgaenzen(b, false);
  NeueSetzung(*k, 1, 5, a, 1);
  b->fSperrung.SetWocheTagStd(1, 2, true, 3);

  TMenu menu;
  ErzeugeSetzMenu(fSchule, fStandard, *k, menu, 2, true, 3);
  ASSERT_EQ(menu.size(), 1u);
  EXPECT_EQ(menu[0].fText, "[2] L D 5a");
  EXPECT_TRUE(menu[0].fEnabled);
  EXPECT_EQ(menu[0].fTag, 203);
  ASSERT_EQ(Texte(menu[0].fUntermenu), (std::vector<std::string>{"ohne Raum", "A", "B"}));
  EXPECT_TRUE(menu[0].fUntermenu[1].fEnabled);
  EXPECT_FALSE(menu[0].fUntermenu[2].fEnabled);
  EXPECT_FALSE(Waehle(menu[0].fUntermenu[2]));

  ASSERT_TRUE(Waehle(menu[0].fUntermenu[1]));
  ASSERT_NE(k->SetzungFinden(1, 2, 3), nullptr);
  EXPECT_EQ(k->SetzungFinden(1, 2, 3)->fRaum, a);
  EXPECT_TRUE(a->fBesetzung.GetWocheTagStd(1, 2, 3));

  // The teacher busy with another course there: a disabled entry without a submenu.
  TKurs* anderer = Kurs(l, fSchule.HoleKlasse("6b"), 1);
  NeueSetzung(*anderer, 1, 4, nullptr, 4);
  TMenu besetzt;
  ErzeugeSetzMenu(fSchule, fStandard, *k, besetzt, 4, true, 4);
  ASSERT_EQ(besetzt.size(), 1u);
  EXPECT_EQ(besetzt[0].fText, "[1] L D 5a");
  EXPECT_FALSE(besetzt[0].fEnabled);
  EXPECT_FALSE(besetzt[0].HatUntermenu());

  // No entry once every lesson is placed, nor for a course not to be placed.
  NeueSetzung(*k, 1, 3, nullptr, 1);
  TMenu voll;
  ErzeugeSetzMenu(fSchule, fStandard, *k, voll, 4, true, 1);
  EXPECT_TRUE(voll.empty());
  TKurs* nie = Kurs(l, fSchule.HoleKlasse("6b"), 2);
  nie->fNichtVerplanen = true;
  ErzeugeSetzMenu(fSchule, fStandard, *nie, voll, 4, true, 1);
  EXPECT_TRUE(voll.empty());
}

TEST_F(SetzMenu, RoomWindowEntryPlacesIntoThatRoomOnlyWhileItIsFree) {
  TRaum* a = fSchule.HoleRaum("A");
  TKurs* k = Kurs(fSchule.HoleLehrer("L"), fSchule.HoleKlasse("5a"), 2, a);
  TKurs* anderer = Kurs(fSchule.HoleLehrer("M"), fSchule.HoleKlasse("6b"), 1, a);
  NeueSetzung(*anderer, 1, 1, a, 1);

  TMenu menu;
  ErzeugeSetzMenu(fSchule, fStandard, *k, menu, 1, false, 1, a);
  ErzeugeSetzMenu(fSchule, fStandard, *k, menu, 1, false, 2, a);
  ASSERT_EQ(menu.size(), 2u);
  EXPECT_FALSE(menu[0].fEnabled);
  EXPECT_TRUE(menu[1].fEnabled);
  EXPECT_FALSE(menu[1].HatUntermenu());
  ASSERT_TRUE(Waehle(menu[1]));
  EXPECT_EQ(k->SetzungFinden(1, 1, 2)->fRaum, a);
}

TEST_F(SetzMenu, CoupledCourseEnablingCountsMembersAlreadyInTheCell) {
  TKlasse* klasse = fSchule.HoleKlasse("5a");
  TKopplung* o = fSchule.HoleKopplung("O");
  TLehrer* m = fSchule.HoleLehrer("M");
  TKurs* eins = Kurs(fSchule.HoleLehrer("L"), klasse, 2, nullptr, nullptr, o);
  TKurs* zwei = Kurs(m, klasse, 2, nullptr, nullptr, o);
  NeueSetzung(*zwei, 1, 1, nullptr, 1);

  TMenu menu;
  ErzeugeSetzMenu(fSchule, fStandard, *eins, menu, 1, true, 1);
  ASSERT_EQ(menu.size(), 1u);
  EXPECT_TRUE(menu[0].fEnabled);

  // The second member's teacher is busy elsewhere with another course: the coupling cannot go.
  NeueSetzung(*Kurs(m, fSchule.HoleKlasse("6b"), 1), 1, 1, nullptr, 2);
  TMenu gesperrt;
  ErzeugeSetzMenu(fSchule, fStandard, *eins, gesperrt, 1, true, 2);
  ASSERT_EQ(gesperrt.size(), 1u);
  EXPECT_FALSE(gesperrt[0].fEnabled);
}

// A room's window shows the cell empty while the coupling stands there in other rooms: the
// course itself cannot go there once more, and completing a coupling leaves the members that are
// already there alone.
TEST_F(SetzMenu, NoCourseOfACouplingIsPlacedTwiceIntoOneCell) {
  TKlasse* klasse = fSchule.HoleKlasse("5a");
  TKopplung* o = fSchule.HoleKopplung("O");
  TRaum* a = fSchule.HoleRaum("A");
  TKurs* eins = Kurs(fSchule.HoleLehrer("L"), klasse, 2, a, nullptr, o);
  TKurs* zwei = Kurs(fSchule.HoleLehrer("M"), klasse, 2, nullptr, nullptr, o);
  TKurs* drei = Kurs(fSchule.HoleLehrer("N"), klasse, 2, nullptr, nullptr, o);
  NeueSetzung(*eins, 1, 1, nullptr, 1);
  NeueSetzung(*zwei, 1, 1, nullptr, 1);

  TMenu menu;
  ErzeugeSetzMenu(fSchule, fStandard, *eins, menu, 1, false, 1, a);
  ErzeugeSetzMenu(fSchule, fStandard, *drei, menu, 1, false, 1, a);
  ASSERT_EQ(menu.size(), 2u);
  EXPECT_FALSE(menu[0].fEnabled);
  ASSERT_TRUE(menu[1].fEnabled);
  ASSERT_TRUE(Waehle(menu[1]));

  EXPECT_EQ(eins->fSetzungen.ListeZahlElemente(), 1);
  EXPECT_EQ(zwei->fSetzungen.ListeZahlElemente(), 1);
  EXPECT_EQ(drei->fSetzungen.ListeZahlElemente(), 1);
  ASSERT_NE(drei->SetzungFinden(1, 1, 1), nullptr);
  EXPECT_EQ(drei->SetzungFinden(1, 1, 1)->fRaum, a);
}

TEST_F(SetzMenu, CoupledPlacementGivesEachCourseItsFreeRoomAndWarnsOnce) {
  TKlasse* klasse = fSchule.HoleKlasse("5a");
  TKopplung* o = fSchule.HoleKopplung("O");
  TRaum* a = fSchule.HoleRaum("A");
  TRaum* b = fSchule.HoleRaum("B");
  TRaum* c = fSchule.HoleRaum("C");
  TRaum* d = fSchule.HoleRaum("D");
  TKurs* eins = Kurs(fSchule.HoleLehrer("L1"), klasse, 1, a, nullptr, o);
  TKurs* zwei = Kurs(fSchule.HoleLehrer("L2"), klasse, 1, b, nullptr, o);
  zwei->RaumErgaenzen(c, false);
  TKurs* drei = Kurs(fSchule.HoleLehrer("L3"), klasse, 1, d, nullptr, o);
  TKurs* vier = Kurs(fSchule.HoleLehrer("L4"), klasse, 1, nullptr, nullptr, o);
  NeueSetzung(*Kurs(fSchule.HoleLehrer("X"), fSchule.HoleKlasse("6b"), 1, b), 1, 3, b, 2);
  d->fSperrung.SetWocheTagStd(1, 3, true, 2);

  TMenu menu;
  ErzeugeSetzMenu(fSchule, fStandard, *eins, menu, 3, true, 2);
  ASSERT_EQ(menu.size(), 1u);
  ASSERT_TRUE(WaehleEintrag(menu[0].fUntermenu, "A"));

  ASSERT_NE(eins->SetzungFinden(1, 3, 2), nullptr);
  EXPECT_EQ(eins->SetzungFinden(1, 3, 2)->fRaum, a);
  ASSERT_NE(zwei->SetzungFinden(1, 3, 2), nullptr);
  EXPECT_EQ(zwei->SetzungFinden(1, 3, 2)->fRaum, c);
  ASSERT_NE(drei->SetzungFinden(1, 3, 2), nullptr);
  EXPECT_EQ(drei->SetzungFinden(1, 3, 2)->fRaum, nullptr);
  ASSERT_NE(vier->SetzungFinden(1, 3, 2), nullptr);
  EXPECT_EQ(vier->SetzungFinden(1, 3, 2)->fRaum, nullptr);
  EXPECT_TRUE(c->fBesetzung.GetWocheTagStd(1, 3, 2));
  EXPECT_FALSE(d->fBesetzung.GetWocheTagStd(1, 3, 2));

  const auto meldungen = fDialoge.Protokoll(TDialogVorgang::Nachricht);
  ASSERT_EQ(meldungen.size(), 1u);
  EXPECT_EQ(
      meldungen[0].fZeilen,
      (std::vector<std::string>{"Ein gekoppelter Kurs konnte nur ohne Raum gesetzt werden."}));
}

TEST_F(SetzMenu, RechtsWahlMarksTheCellsWhereTheCourseCannotGo) {
  TRaum* a = fSchule.HoleRaum("A");
  TKlasse* klasse = fSchule.HoleKlasse("5a");
  TKopplung* o = fSchule.HoleKopplung("O");
  TLehrer* m = fSchule.HoleLehrer("M");
  TKurs* k = Kurs(fSchule.HoleLehrer("L"), klasse, 2, a, fSchule.HoleFach("D"), o);
  TKurs* partner = Kurs(m, klasse, 1, nullptr, nullptr, o);
  NeueSetzung(*Kurs(fSchule.HoleLehrer("X"), fSchule.HoleKlasse("6b"), 1, a), 1, 1, a, 1);
  m->fSperrung.SetWocheTagStd(1, 2, true, 2);

  int gezeigt = 0;
  TMenu menu;
  ErzeugeRechtsMenu(fStandard, *k, menu, [&] { ++gezeigt; });
  ASSERT_EQ(menu.size(), 1u);
  EXPECT_EQ(menu[0].fText, "[2] L D 5a O");
  ASSERT_EQ(Texte(menu[0].fUntermenu), (std::vector<std::string>{"ohne Raum", "A"}));

  ASSERT_TRUE(WaehleEintrag(menu[0].fUntermenu, "A"));
  EXPECT_EQ(gezeigt, 1);
  EXPECT_TRUE(k->fSetzungUnmoeglich.GetWocheTagStd(1, 1, 1));  // room busy
  EXPECT_TRUE(k->fSetzungUnmoeglich.GetWocheTagStd(1, 2, 2));  // partner's teacher blocked
  EXPECT_FALSE(k->fSetzungUnmoeglich.GetWocheTagStd(1, 3, 3));

  ASSERT_TRUE(WaehleEintrag(menu[0].fUntermenu, "ohne Raum"));
  EXPECT_FALSE(k->fSetzungUnmoeglich.GetWocheTagStd(1, 1, 1));
  // A partner with all lessons placed holds nothing back.
  NeueSetzung(*partner, 1, 5, nullptr, 5);
  RechtsWahl(fStandard, *k, nullptr);
  EXPECT_FALSE(k->fSetzungUnmoeglich.GetWocheTagStd(1, 2, 2));

  // Without a lesson left the entry stays, disabled.
  NeueSetzung(*k, 1, 5, nullptr, 5);
  NeueSetzung(*k, 1, 4, nullptr, 5);
  TMenu voll;
  ErzeugeRechtsMenu(fStandard, *k, voll, {});
  ASSERT_EQ(voll.size(), 1u);
  EXPECT_EQ(voll[0].fText, "[0] L D 5a O");
  EXPECT_FALSE(voll[0].fEnabled);
}

TEST_F(SetzMenu, PlnMenuGivesWeekLinesPerClassOutsideClassPlans) {
  TKlasse* k5 = fSchule.HoleKlasse("5a");
  TKlasse* k6 = fSchule.HoleKlasse("6b");
  TRaum* a = fSchule.HoleRaum("A");
  TKurs* k = Kurs(fSchule.HoleLehrer("L"), k5, 1, a, fSchule.HoleFach("D"));
  k->KlasseErgaenzen(k6);
  NeueSetzung(*k, 1, 2, a, 4);

  TMenu lehrer;
  ErzeugePlnMenu(fStandard, *k, lehrer, false, leh, nullptr, 4, 2);
  EXPECT_EQ(Texte(lehrer), (std::vector<std::string>{"{1} L D 5a A", "{1} L D 6b A"}));
  EXPECT_EQ(lehrer[1].fTag, 204);

  TKurs* gewechselt = nullptr;
  TMenu klasse;
  ErzeugePlnMenu(fStandard, *k, klasse, false, kla, nullptr, 4, 2,
                 [&](TKurs& kurs, int32_t tag, int32_t std) {
                   if (tag == 2 && std == 4) gewechselt = &kurs;
                 });
  ASSERT_EQ(Texte(klasse), (std::vector<std::string>{"{1} L D 5a A"}));
  ASSERT_TRUE(Waehle(klasse[0]));
  EXPECT_EQ(gewechselt, k);

  // In another room's plan the course does not show.
  TMenu raum;
  ErzeugePlnMenu(fStandard, *k, raum, false, rau, fSchule.HoleRaum("B"), 4, 2);
  EXPECT_TRUE(raum.empty());
}

TEST_F(SetzMenu, FixingACoupledCellGivesEveryPlacementTheOppositeOfTheFirstVersion) {
  fStandard.SetMaxWocheNeu(2);
  fStandard.fEineWoche = false;
  TKlasse* klasse = fSchule.HoleKlasse("5a");
  TKopplung* o = fSchule.HoleKopplung("O");
  TKurs* eins = Kurs(fSchule.HoleLehrer("L1"), klasse, 1, nullptr, nullptr, o);
  TKurs* zwei = Kurs(fSchule.HoleLehrer("L2"), klasse, 1, nullptr, nullptr, o);
  TKurs* allein = Kurs(fSchule.HoleLehrer("L3"), fSchule.HoleKlasse("6b"), 1);
  NeueSetzung(*eins, 1, 1, nullptr, 1);
  NeueSetzung(*eins, 2, 1, nullptr, 1)->SetFixiert(true);
  NeueSetzung(*zwei, 2, 1, nullptr, 1);
  NeueSetzung(*allein, 1, 1, nullptr, 1);
  NeueSetzung(*allein, 2, 1, nullptr, 1)->SetFixiert(true);

  FixiereZelle(fSchule, fStandard, *eins, 1, 1);
  EXPECT_TRUE(eins->IstFixiert(1, 1, 1));
  EXPECT_TRUE(eins->IstFixiert(2, 1, 1));
  EXPECT_TRUE(zwei->IstFixiert(2, 1, 1));
  EXPECT_EQ(zwei->SetzungFinden(1, 1, 1), nullptr);

  // Clicked on the member without a placement in the first version: its state there is unfixed.
  FixiereZelle(fSchule, fStandard, *zwei, 1, 1);
  EXPECT_TRUE(eins->IstFixiert(1, 1, 1));
  EXPECT_TRUE(zwei->IstFixiert(2, 1, 1));
  FixiereZelle(fSchule, fStandard, *eins, 1, 1);
  EXPECT_FALSE(eins->IstFixiert(1, 1, 1));
  EXPECT_FALSE(eins->IstFixiert(2, 1, 1));
  EXPECT_FALSE(zwei->IstFixiert(2, 1, 1));

  // An uncoupled course inverts each version on its own.
  FixiereZelle(fSchule, fStandard, *allein, 1, 1);
  EXPECT_TRUE(allein->IstFixiert(1, 1, 1));
  EXPECT_FALSE(allein->IstFixiert(2, 1, 1));
  EXPECT_TRUE(fSchule.IsDirty());
}

// The tools keep to the settings they were handed, whatever the installed ones say: the versions
// a cell stands for and the days the marking covers.
TEST_F(SetzMenu, TheToolsKeepToTheSettingsTheyWereHanded) {
  fStandard.SetMaxWocheNeu(2);
  fStandard.fEineWoche = false;
  TStandard eigene;
  eigene.SetMaxWocheNeu(2);
  eigene.fEineWoche = true;
  eigene.fAktuelleWoche = 2;
  eigene.fMaxTageNeu = 2;
  TLehrer* l = fSchule.HoleLehrer("L");
  TKurs* k = Kurs(l, fSchule.HoleKlasse("5a"), 2);
  NeueSetzung(*k, 1, 1, nullptr, 1);
  NeueSetzung(*k, 2, 1, nullptr, 1);

  FixiereZelle(fSchule, eigene, *k, 1, 1);
  EXPECT_FALSE(k->IstFixiert(1, 1, 1));
  EXPECT_TRUE(k->IstFixiert(2, 1, 1));

  TMenu menu;
  ErzeugeSetzMenu(fSchule, eigene, *k, menu, 1, true, 2);
  ASSERT_EQ(menu.size(), 1u);
  ASSERT_TRUE(WaehleEintrag(menu[0].fUntermenu, "ohne Raum"));
  EXPECT_EQ(k->SetzungFinden(1, 1, 2), nullptr);
  EXPECT_NE(k->SetzungFinden(2, 1, 2), nullptr);

  l->fSperrung.SetWocheTagStd(2, 2, true, 3);
  l->fSperrung.SetWocheTagStd(2, 3, true, 3);
  RechtsWahl(eigene, *k, nullptr);
  EXPECT_TRUE(k->fSetzungUnmoeglich.GetWocheTagStd(2, 2, 3));
  EXPECT_FALSE(k->fSetzungUnmoeglich.GetWocheTagStd(2, 3, 3));
  EXPECT_FALSE(k->fSetzungUnmoeglich.GetWocheTagStd(1, 2, 3));
}

}  // namespace
}  // namespace orbato
