#include "model/schnittstellen/dialoge.h"
#include "model/schulfixture.h"

namespace orbato {
namespace {

class KuerzelTest : public SchulTest {
 protected:
  void SetUp() override { fSchule.SetDialoge(&fDialoge); }
  TSkriptDialoge fDialoge;
};

TEST_F(KuerzelTest, RenameRefusesANameTheKindHasAlready) {
  TKlasse* a = fSchule.HoleKlasse("5a");
  fSchule.HoleKlasse("5b");
  fSchule.HoleLehrer("5c");
  EXPECT_FALSE(fSchule.KuerzelAendern(a, "5b"));
  EXPECT_EQ(a->fKuerzel, "5a");
  ASSERT_EQ(fDialoge.Protokoll().size(), 1u);
  EXPECT_EQ(fDialoge.Protokoll()[0].fTitel, "Stop");
  EXPECT_EQ(fDialoge.Protokoll()[0].fZeilen,
            (std::vector<std::string>{"Das K\xFCrzel", "5b", "gibt es schon. W\xE4hlen Sie",
                                      "ein anderes K\xFCrzel!"}));
  EXPECT_TRUE(fSchule.KuerzelAendern(a, "5c"));  // a teacher's name is no obstacle
  EXPECT_TRUE(fSchule.KuerzelAendern(a, "5B"));
  EXPECT_EQ(a->fKuerzel, "5B");
  EXPECT_TRUE(fSchule.KuerzelAendern(a, "5B"));  // its own name
  EXPECT_FALSE(fSchule.KuerzelAendern(a, ""));
}

TEST_F(KuerzelTest, DeletingAnElementWithCoursesAsksFirst) {
  TLehrer* leer = fSchule.HoleLehrer("LEER");
  EXPECT_TRUE(fSchule.ElementLoeschenNachFrage(leer));
  EXPECT_TRUE(fDialoge.Protokoll().empty());
  TLehrer* l = fSchule.HoleLehrer("MUE");
  TKurs* k = l->NeuerKurs();
  fDialoge.Antworte("Nein");
  EXPECT_FALSE(fSchule.ElementLoeschenNachFrage(l));
  EXPECT_EQ(fSchule.fLehrerMenge.ListeZahlElemente(), 1);
  ASSERT_EQ(fDialoge.Protokoll().size(), 1u);
  EXPECT_EQ(fDialoge.Protokoll()[0].fTitel, "K\xFCrzel l\xF6schen");
  EXPECT_EQ(fDialoge.Protokoll()[0].fZeilen[1], "MUE");
  EXPECT_EQ(fDialoge.Protokoll()[0].fZeilen[5], "trotzdem gel\xF6scht werden? ");
  EXPECT_TRUE(fSchule.ElementLoeschenNachFrage(l));
  EXPECT_EQ(k->fLehrer, nullptr);
}

TEST_F(KuerzelTest, ElementsCreateTheirCoursesWithTheirRoom) {
  fStandard.fKursStd = 2;
  TRaum* r = fSchule.HoleRaum("R1");
  TKlasse* c = fSchule.HoleKlasse("5a");
  c->SetRaum(r);
  TKurs* k = c->NeuerKurs();
  EXPECT_EQ(k->ErsteKlasse(), c);
  EXPECT_EQ(k->ErsterRaum(), r);
  EXPECT_EQ(k->fStunden.GetWochenStunde(1), 2);
  EXPECT_EQ(fSchule.HoleFach("D")->NeuerKurs()->fFach, fSchule.HoleFach("D"));
  EXPECT_EQ(fSchule.HoleKopplung("K")->NeuerKurs()->fKopplung, fSchule.HoleKopplung("K"));
  EXPECT_EQ(r->NeuerKurs()->ErsterRaum(), r);
  EXPECT_EQ(fSchule.fKursMenge.ListeZahlElemente(), 4);
}

TEST_F(KuerzelTest, LessonsAtTheEdgeOfTheClassDay) {
  TLehrer* l = fSchule.HoleLehrer("A");
  TKlasse* c = fSchule.HoleKlasse("5a");
  TKurs* mitte = Kurs(l, c, 1);
  TKurs* andere = Kurs(fSchule.HoleLehrer("B"), c, 2);
  Setze(andere, 1, 1, 1);
  Setze(andere, 1, 1, 5);
  TSetzung* s = Setze(mitte, 1, 1, 3);
  EXPECT_FALSE(s->AmRand(*c));
  EXPECT_FALSE(l->HatUnterrichtAmRand(c));
  andere->SetzungAufgeben(andere->SetzungFinden(1, 1, 5));
  EXPECT_TRUE(s->AmRand(*c));
  EXPECT_TRUE(l->HatUnterrichtAmRand(c));
  EXPECT_TRUE(l->HatUnterrichtInKlasse(c));
  mitte->KlasseErgaenzen(fSchule.HoleKlasse("5b"));
  EXPECT_FALSE(l->HatUnterrichtAmRand(c));  // only courses of that class alone count
}

}  // namespace
}  // namespace orbato
