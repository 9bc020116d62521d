#include "model/elemente/element.h"

#include <array>

#include "model/schulfixture.h"

namespace orbato {
namespace {

using ElementTest = SchulTest;

TEST_F(ElementTest, CouplingCountsOnceWithItsLargestCourse) {
  TFach* f = fSchule.HoleFach("REL");
  TKopplung* o = fSchule.HoleKopplung("K1");
  TKurs* gross = Kurs(fSchule.HoleLehrer("A"), nullptr, 5, nullptr, f, o);
  TKurs* klein = Kurs(fSchule.HoleLehrer("B"), nullptr, 3, nullptr, f, o);
  gross->SetFaktor(2);
  klein->SetFaktor(1);
  ASSERT_EQ(f->fKurse.ListeNrInhalt(1), gross);
  EXPECT_EQ(f->StundenSumme(0, false, fac), 5);
  EXPECT_EQ(f->FaktorSumme(0, false, fac), 10);
  EXPECT_EQ(f->StundenSumme(0, true, fac), 8);
  EXPECT_EQ(f->FaktorSumme(0, true, fac), 13);
  EXPECT_EQ(o->GroessterKopplungsKurs(1, true), gross);
}

TEST_F(ElementTest, SumsSkipCoursesNotCountedForTheirKind) {
  TFach* f = fSchule.HoleFach("M");
  TLehrer* l = fSchule.HoleLehrer("A");
  TKlasse* k = fSchule.HoleKlasse("5a");
  TKurs* kurs = Kurs(l, k, 4, nullptr, f);
  kurs->SetnichtZaehlenKl(true);
  EXPECT_EQ(l->StundenSumme(1, true, leh), 4);
  EXPECT_EQ(f->StundenSumme(1, true, fac), 4);
  EXPECT_EQ(k->StundenSumme(1, false, kla), 0);
  EXPECT_EQ(k->nzSumme(1, kla), 4);
  EXPECT_EQ(l->nzSumme(1, leh), 0);
  EXPECT_EQ(l->StundenSumme(1, true, rau), 0);
  kurs->SetnichtZaehlenLe(true);
  EXPECT_EQ(f->StundenSumme(1, true, fac), 0);
  EXPECT_EQ(k->IstSumme(1), 4);
}

TEST_F(ElementTest, DayStatusMarksGapsBetweenLessons) {
  fStandard.fPlnStd = 6;
  TKlasse* k = fSchule.HoleKlasse("5a");
  TKurs* kurs = Kurs(fSchule.HoleLehrer("A"), k, 4);
  Setze(kurs, 1, 1, 2);
  Setze(kurs, 1, 1, 5);
  k->fSperrung.SetWocheTagStd(1, 1, true, 4);
  EXPECT_EQ(k->SVZeile(1, 1), "FEUSEFFFFFFFFFFF");
  Setze(kurs, 1, 2, 1)->fFixiert = true;
  EXPECT_EQ(k->SVZeile(1, 2), "GFFFFFFFFFFFFFFF");
  // Couplings show K, fixed L.
  kurs->KopplungErgaenzen(fSchule.HoleKopplung("K"));
  EXPECT_EQ(k->SVZeile(1, 2), "LFFFFFFFFFFFFFFF");
}

TEST_F(ElementTest, GapCountsIgnoreSingleLessonsAndBlockedPeriods) {
  fStandard.fMaxTageNeu = 5;
  fStandard.fPlnStd = 8;
  TKlasse* k = fSchule.HoleKlasse("5a");
  TKurs* kurs = Kurs(fSchule.HoleLehrer("A"), k, 6);
  Setze(kurs, 1, 1, 1);
  Setze(kurs, 1, 1, 4);  // gaps 2 and 3, of which 3 is blocked
  k->fSperrung.SetWocheTagStd(1, 1, true, 3);
  Setze(kurs, 1, 2, 5);  // a single lesson: no gap
  Setze(kurs, 1, 3, 3);
  Setze(kurs, 1, 3, 6)->fFixiert = true;  // a fixed last lesson does not extend the day
  EXPECT_EQ(k->SpringStd(), 1 + 2);
  int32_t maxim = -1;
  std::array<int32_t, 8> maximum{};
  // Day 1: periods 2 (3 is blocked); day 2: 1..4; day 3: 1, 2.
  EXPECT_EQ(k->HohlStunden(1, maxim, maximum), 1 + 4 + 2);
  EXPECT_EQ(maxim, 5);
  EXPECT_EQ(maximum[1], 4);
  EXPECT_EQ(maximum[2], 5);
  EXPECT_EQ(maximum[3], 3);
  EXPECT_EQ(maximum[4], 0);
}

TEST_F(ElementTest, ShortNamesAreCutAndComparedExactly) {
  TKlasse* klein = fSchule.HoleKlasse("5a");
  EXPECT_NE(fSchule.HoleKlasse("5A"), klein);
  EXPECT_EQ(fSchule.HoleKlasse("5a"), klein);
  TLehrer* l = fSchule.HoleLehrer("Mustermann-Lange");
  EXPECT_EQ(l->fKuerzel, "Mustermann-");
  EXPECT_EQ(fSchule.HoleLehrer("Mustermann-Lange"), l);
  EXPECT_EQ(TSchule::HoleElement(fSchule.fLehrerMenge, "Mustermann-"), l);
  EXPECT_EQ(TSchule::HoleElement(fSchule.fLehrerMenge, "Meier"), nullptr);
  EXPECT_EQ(fSchule.fKlassenMenge.ListeZahlElemente(), 2);
  EXPECT_EQ(fSchule.HoleKlasse("6b")->fNr, 3);
  EXPECT_EQ(fSchule.fKlassenMenge.ListeNrInhalt(3)->fReihe, 3);
  EXPECT_TRUE(fSchule.IsDirty());
}

TEST_F(ElementTest, TeacherKeepsSubjectWhileItsCoursesHaveLessons) {
  TLehrer* l = fSchule.HoleLehrer("A");
  TFach* d = fSchule.HoleFach("D");
  TFach* e = fSchule.HoleFach("E");
  l->NeuesFach(e);
  l->NeuesFach(d);
  l->NeuesFach(d);
  ASSERT_EQ(l->fFaecher.ListeZahlElemente(), 2);
  EXPECT_EQ(l->fFaecher.ListeNrInhalt(1), d);  // sorted by the subjects' positions
  EXPECT_EQ(d->fLehrer.ListeNrInhalt(1), l);
  TKurs* k = Kurs(l, nullptr, 2, nullptr, d);
  EXPECT_FALSE(l->FachEntfernen(d));
  k->fStunden.SetWochenStunde(0, 0);
  EXPECT_TRUE(l->FachEntfernen(d));
  EXPECT_EQ(l->fFaecher.ListeZahlElemente(), 1);
  EXPECT_EQ(d->fLehrer.ListeZahlElemente(), 0);
}

TEST_F(ElementTest, NewOwnRoomReplacesTheOldOneWhereNoLessonIsHeldInIt) {
  TLehrer* l = fSchule.HoleLehrer("A");
  TRaum* alt = fSchule.HoleRaum("R1");
  TRaum* neu = fSchule.HoleRaum("R2");
  l->NeuerRaum(alt);
  TKurs* frei = Kurs(l, nullptr, 2, alt);
  TKurs* belegt = Kurs(l, nullptr, 2, alt);
  TKurs* anders = Kurs(l, nullptr, 2, fSchule.HoleRaum("R3"));
  Setze(belegt, 1, 1, 1, alt);
  l->NeuerRaum(neu);
  EXPECT_EQ(l->fRaum, neu);
  EXPECT_FALSE(frei->HatRaum(alt));
  EXPECT_TRUE(frei->HatRaum(neu));
  EXPECT_TRUE(belegt->HatRaum(alt));
  EXPECT_TRUE(belegt->HatRaum(neu));
  EXPECT_FALSE(anders->HatRaum(neu));
}

TEST_F(ElementTest, CopiedBlockingLeavesOccupiedCellsFree) {
  fStandard.fMaxWocheNeu = 2;
  TKlasse* k = fSchule.HoleKlasse("5a");
  k->fSperrung.SetWochenZahl(2);
  k->fBesetzung.SetWochenZahl(2);
  TKurs* kurs = Kurs(fSchule.HoleLehrer("A"), k, 2);
  kurs->fBesetzung.SetWochenZahl(2);
  kurs->fSperrung.SetWochenZahl(2);
  Setze(kurs, 1, 1, 2);
  TWochBereich vorlage;
  vorlage.SetWocheTagStd(0, 1, true, 0);  // all of Monday, both versions
  fStandard.fEineWoche = true;
  k->KopiereSperrung(vorlage);
  EXPECT_TRUE(k->fSperrung.GetWocheTagStd(1, 1, 1));
  EXPECT_FALSE(k->fSperrung.GetWocheTagStd(1, 1, 2));  // occupied
  EXPECT_FALSE(k->fSperrung.GetWocheTagStd(2, 1, 1));  // only the current version
  fStandard.fEineWoche = false;
  kurs->KopiereSperrung(vorlage);
  EXPECT_TRUE(kurs->fSperrung.GetWocheTagStd(2, 1, 2));
  EXPECT_FALSE(kurs->fSperrung.GetWocheTagStd(1, 1, 2));
  EXPECT_FALSE(kurs->fSperrung.GetWocheTagStd(1, 2, 1));
}

}  // namespace
}  // namespace orbato
