#include "model/kurse/kurswahl.h"

#include <string>
#include <vector>

#include "model/schulfixture.h"

namespace orbato {
namespace {

class KurswahlTest : public SchulTest {
 protected:
  void SetUp() override {
    fA = fSchule.HoleLehrer("A");
    fB = fSchule.HoleLehrer("B");
    f5a = fSchule.HoleKlasse("5a");
    f5b = fSchule.HoleKlasse("5b");
    fD = fSchule.HoleFach("D");
    fE = fSchule.HoleFach("E");
    fR1 = fSchule.HoleRaum("R1");
    fR2 = fSchule.HoleRaum("R2");
    fK1 = fSchule.HoleKopplung("K1");
    fK2 = fSchule.HoleKopplung("K2");
  }
  TLehrer *fA, *fB;
  TKlasse *f5a, *f5b;
  TFach *fD, *fE;
  TRaum *fR1, *fR2;
  TKopplung *fK1, *fK2;
};

TEST_F(KurswahlTest, TeachersOfTheSubjectWithTheirLoadOrAllTeachers) {
  fA->NeuesFach(fD);
  TKurs* k = Kurs(nullptr, f5a, 3, nullptr, fD);
  TMenu menu = KursWahlMenu(*k, leh);
  EXPECT_EQ(Texte(menu), (std::vector<std::string>{"[ 0.0 ]-[ 0.0 ]-[24.0 ]  A"}));
  EXPECT_TRUE(Waehle(menu[0]));
  EXPECT_EQ(k->fLehrer, fA);
  EXPECT_EQ(fD->fPopLehrer, nullptr);  // the subject window's last pick stays its own

  k->FachEntfernen();
  menu = KursWahlMenu(*k, leh);
  EXPECT_EQ(Texte(menu), (std::vector<std::string>{"A", "B"}));
  Setze(k, 1, 1, 1);
  WaehleEintrag(menu, "B");
  EXPECT_EQ(k->fLehrer, fA);  // placed lessons keep their teacher
}

TEST_F(KurswahlTest, ClassesAreAddedWhileNothingIsPlaced) {
  TKurs* k = Kurs(fA, f5a, 3, nullptr, fD);
  TMenu menu = KursWahlMenu(*k, kla);
  ASSERT_EQ(menu.size(), 2u);
  EXPECT_EQ(menu[1].fText, "[ 0.0 ]-[ 0.0 ]-[30.0 ]  5b");
  Waehle(menu[0]);  // already in the course
  EXPECT_EQ(k->fKlassen.ListeZahlElemente(), 1);
  Waehle(menu[1]);
  EXPECT_TRUE(k->HatKlasse(f5b));
  EXPECT_TRUE(fD->fKlassen.ListeElemNr(f5b) > 0);

  TKurs* ohneFach = Kurs(fA, nullptr, 2);
  menu = KursWahlMenu(*ohneFach, kla);
  EXPECT_EQ(Texte(menu), (std::vector<std::string>{"5a", "5b"}));
  Setze(ohneFach, 1, 1, 2);
  WaehleEintrag(menu, "5a");
  EXPECT_EQ(ohneFach->fKlassen.ListeZahlElemente(), 0);
}

TEST_F(KurswahlTest, CouplingChangesOnlyWhileNothingIsPlaced) {
  TKurs* k = Kurs(fA, f5a, 3, nullptr, nullptr, fK1);
  TMenu menu = KursWahlMenu(*k, kop);
  EXPECT_EQ(Texte(menu), (std::vector<std::string>{"K1", "K2"}));
  WaehleEintrag(menu, "K2");
  EXPECT_EQ(k->fKopplung, fK2);
  EXPECT_EQ(fK1->fKurse.ListeZahlElemente(), 0);
  Setze(k, 1, 1, 1);
  WaehleEintrag(menu, "K1");
  EXPECT_EQ(k->fKopplung, fK2);
}

TEST_F(KurswahlTest, SubjectAndRoomChangeDespitePlacedLessons) {
  fA->NeuesFach(fE);
  TKurs* k = Kurs(fA, f5a, 3, fR1, fD);
  Setze(k, 1, 1, 1, fR1);
  TMenu faecher = KursWahlMenu(*k, fac);
  EXPECT_EQ(Texte(faecher), (std::vector<std::string>{"E"}));  // the teacher's subjects
  Waehle(faecher[0]);
  EXPECT_EQ(k->fFach, fE);

  TMenu raeume = KursWahlMenu(*k, rau);
  EXPECT_EQ(Texte(raeume), (std::vector<std::string>{"R1", "R2"}));
  WaehleEintrag(raeume, "R2");
  WaehleEintrag(raeume, "R1");  // already listed: no second entry
  ASSERT_EQ(k->fRaeume.ListeZahlElemente(), 2);
  EXPECT_EQ(k->fRaeume.ListeNrInhalt(2), fR2);
  EXPECT_EQ(k->fRaumErgaenzt.ListeZahlElemente(), 0);

  TKurs* ohneLehrer = Kurs(nullptr, f5a, 1);
  EXPECT_EQ(Texte(KursWahlMenu(*ohneLehrer, fac)), (std::vector<std::string>{"D", "E"}));
  EXPECT_TRUE(KursWahlMenu(*ohneLehrer, uvt).empty());
}

TEST_F(KurswahlTest, LongMenusBreakIntoColumns) {
  for (int i = 1; i <= 17; ++i) fA->NeuesFach(fSchule.HoleFach("F" + std::to_string(i)));
  TKurs* k = Kurs(fA, nullptr, 1);
  const TMenu menu = KursWahlMenu(*k, fac);
  ASSERT_EQ(menu.size(), 17u);
  for (std::size_t i = 0; i < menu.size(); ++i) EXPECT_EQ(menu[i].fBreak, i == 16) << i;
}

TEST_F(KurswahlTest, DeleteToolKeepsWhatPlacedLessonsNeed) {
  TKurs* k = Kurs(fA, f5a, 3, fR1, fD, fK1);
  k->RaumErgaenzen(fR2, false);
  Setze(k, 1, 1, 1, fR1);
  EXPECT_FALSE(KursElementEntfernen(*k, leh, fA));
  EXPECT_FALSE(KursElementEntfernen(*k, kla, f5a));
  EXPECT_FALSE(KursElementEntfernen(*k, kop, fK1));
  EXPECT_FALSE(KursElementEntfernen(*k, rau, fR1));  // a lesson is held there
  EXPECT_TRUE(KursElementEntfernen(*k, rau, fR2));
  EXPECT_TRUE(KursElementEntfernen(*k, fac, fD));
  EXPECT_EQ(k->fLehrer, fA);
  EXPECT_TRUE(k->HatKlasse(f5a));
  EXPECT_EQ(k->fKopplung, fK1);
  EXPECT_EQ(k->fFach, nullptr);
  EXPECT_EQ(k->fRaeume.ListeZahlElemente(), 1);

  k->AlleSetzungenAufgeben();
  EXPECT_FALSE(KursElementEntfernen(*k, leh, fB));   // not the course's teacher
  EXPECT_FALSE(KursElementEntfernen(*k, kla, fA));   // a teacher is no class
  EXPECT_FALSE(KursElementEntfernen(*k, kla, f5b));  // not in the course
  EXPECT_TRUE(KursElementEntfernen(*k, leh, fA));
  EXPECT_TRUE(KursElementEntfernen(*k, kla, f5a));
  EXPECT_TRUE(KursElementEntfernen(*k, kop, fK1));
  EXPECT_EQ(k->OhneRaumZeile(nullptr), "");
  EXPECT_EQ(fA->fKurse.ListeZahlElemente(), 0);
}

TEST_F(KurswahlTest, MultipleChoiceAddsTheMissingClasses) {
  TKlasse* c = fSchule.HoleKlasse("5c");
  TKurs* k = Kurs(fA, f5a, 2);
  EXPECT_TRUE(KlassenErgaenzen(*k, {f5a, c, f5b}));
  ASSERT_EQ(k->fKlassen.ListeZahlElemente(), 3);
  EXPECT_EQ(k->fKlassen.ListeNrInhalt(2), f5b);  // kept in class order
  EXPECT_FALSE(KlassenErgaenzen(*k, {f5a, f5b}));

  TKurs* verplant = Kurs(fA, f5a, 2);
  Setze(verplant, 1, 2, 1);
  EXPECT_FALSE(KlassenErgaenzen(*verplant, {f5b}));
  EXPECT_EQ(verplant->fKlassen.ListeZahlElemente(), 1);
}

}  // namespace
}  // namespace orbato
