#include "model/kurse/kurs.h"

#include "model/schulfixture.h"
#include "model/uv/stundenwert.h"

namespace orbato {
namespace {

using KursTest = SchulTest;

TEST_F(KursTest, CountsPlacedLessonsPerVersion) {
  fStandard.fMaxWocheNeu = 2;
  fStandard.fEineWoche = false;
  TKurs* k = Kurs(fSchule.HoleLehrer("MUE"), fSchule.HoleKlasse("5a"), 3);
  // Single-version mode is off: 3 lessons go into both versions.
  EXPECT_EQ(k->fStunden.GetWochenStunde(1), 3);
  EXPECT_EQ(k->fStunden.GetWochenStunde(2), 3);
  Setze(k, 1, 1, 1);
  Setze(k, 1, 2, 3);
  Setze(k, 2, 5, 6);
  EXPECT_EQ(k->VerplanteStunden(1), 2);
  EXPECT_EQ(k->VerplanteStunden(2), 1);
  EXPECT_EQ(k->VerplanteStunden(0), 3);
  EXPECT_EQ(k->RestStunden(0), 3);
  EXPECT_EQ(k->RestStunden(1), 1);
  // Lessons on days beyond a shorter week do not count.
  Setze(k, 1, 6, 1);
  EXPECT_EQ(k->VerplanteStunden(1), 3);
  fStandard.fMaxTageNeu = 5;
  EXPECT_EQ(k->VerplanteStunden(1), 2);
}

TEST_F(KursTest, PlacementsKeepEveryOccupancyGridInStep) {
  TLehrer* l = fSchule.HoleLehrer("MUE");
  TKlasse* a = fSchule.HoleKlasse("5a");
  TKlasse* b = fSchule.HoleKlasse("5b");
  TRaum* r = fSchule.HoleRaum("R1");
  TKopplung* o = fSchule.HoleKopplung("REL");
  TKurs* k1 = Kurs(l, a, 2, r, nullptr, o);
  k1->KlasseErgaenzen(b);
  TKurs* k2 = Kurs(fSchule.HoleLehrer("SCH"), a, 2, nullptr, nullptr, o);
  TSetzung* s1 = Setze(k1, 1, 3, 4, r);
  Setze(k2, 1, 3, 4);
  for (const TPlanElement* e : std::initializer_list<const TPlanElement*>{l, a, b, r}) {
    EXPECT_TRUE(e->fBesetzung.GetWocheTagStd(1, 3, 4)) << e->fKuerzel.str();
  }
  EXPECT_TRUE(k1->fBesetzung.GetWocheTagStd(1, 3, 4));
  // Class 5a still holds the coupled lesson of the other course.
  k1->SetzungAufgeben(s1);
  EXPECT_FALSE(l->fBesetzung.GetWocheTagStd(1, 3, 4));
  EXPECT_FALSE(b->fBesetzung.GetWocheTagStd(1, 3, 4));
  EXPECT_FALSE(r->fBesetzung.GetWocheTagStd(1, 3, 4));
  EXPECT_TRUE(a->fBesetzung.GetWocheTagStd(1, 3, 4));
  EXPECT_FALSE(k1->fBesetzung.GetWocheTagStd(1, 3, 4));
}

TEST_F(KursTest, TextsJoinThePresentShortNames) {
  fStandard.fMaxWocheNeu = 1;
  TKurs* nurKlasse =
      Kurs(nullptr, fSchule.HoleKlasse("7c"), 2, nullptr, nullptr, fSchule.HoleKopplung("WPK"));
  EXPECT_EQ(nurKlasse->OhneRaumZeile(nullptr), "7c WPK");
  EXPECT_EQ(nurKlasse->OhneRaumKlKoZeile(), " WPK");

  TRaum* r = fSchule.HoleRaum("R12");
  TKurs* k = Kurs(fSchule.HoleLehrer("MUE"), fSchule.HoleKlasse("5a"), 4, r, fSchule.HoleFach("D"));
  EXPECT_EQ(k->OhneRaumZeile(nullptr), "MUE D 5a");
  EXPECT_EQ(k->OhneRaumKlKoZeile(), "MUE D 5a");
  EXPECT_EQ(k->KurzZeile(0, 0, nullptr, 0), "MUE D 5a R12");
  Setze(k, 1, 1, 2, r);
  EXPECT_EQ(k->KurzZeile(1, 1, nullptr, 2), "MUE D 5a R12");
  // A cell without placement: the blank stays, the room goes.
  EXPECT_EQ(k->KurzZeile(1, 1, nullptr, 3), "MUE D 5a ");
  EXPECT_EQ(k->WochenZeile(1, 0, fSchule.HoleKlasse("5b"), true, 0), "{1} MUE D 5b R12 []");
  EXPECT_EQ(k->WahlZeile(1, 1, 2, 4, 0, 2), "R12 MUE");
  EXPECT_EQ(k->SVZeile(1), "FEFFFFFFFFFFFFFF");
}

TEST_F(KursTest, LineShowsWorkloadLessonsAndShortText) {
  fStandard.fDivisor = 2;
  TKurs* k =
      Kurs(fSchule.HoleLehrer("MUE"), fSchule.HoleKlasse("5a"), 4, nullptr, fSchule.HoleFach("D"));
  k->SetFaktor(3);
  k->SetInfo("Förderkurs");
  EXPECT_EQ(k->Zeile(1, 0, leh, false, 0), " 6.0 (4) MUE D 5a");
  EXPECT_EQ(k->Zeile(1, 0, kop, true, 0), " 6.0 (4) MUE D 5a [Förderkurs]");
  k->SetnichtZaehlenLe(true);
  EXPECT_EQ(k->Zeile(1, 0, leh, false, 0), " 0.0 (4) MUE D 5a");
  EXPECT_EQ(k->Zeile(1, 0, kla, false, 0), " 6.0 (4) MUE D 5a");
}

TEST_F(KursTest, BlockingOfTheRoomCountsOnlyWhenGiven) {
  TRaum* r = fSchule.HoleRaum("R1");
  TKlasse* a = fSchule.HoleKlasse("5a");
  TKurs* k = Kurs(fSchule.HoleLehrer("MUE"), a, 2, r);
  r->fSperrung.SetWocheTagStd(1, 2, true, 3);
  EXPECT_FALSE(k->IstGesperrt(1, 2, nullptr, 3));
  EXPECT_TRUE(k->IstGesperrt(1, 2, r, 3));
  a->fSperrung.SetWocheTagStd(1, 4, true, 1);
  EXPECT_TRUE(k->IstGesperrt(1, 4, nullptr, 1));
  k->EntSperre(1, 4, r, 1);
  EXPECT_FALSE(k->IstGesperrt(1, 4, nullptr, 1));
}

TEST_F(KursTest, SortKeysOrderCoursesByTeacherClassSubjectAndSize) {
  fStandard.fNachKlSortiert = false;
  TLehrer* a = fSchule.HoleLehrer("A");  // fReihe 1
  TLehrer* b = fSchule.HoleLehrer("B");  // fReihe 2
  TKlasse* k5 = fSchule.HoleKlasse("5a");
  TFach* d = fSchule.HoleFach("D");  // fReihe 1
  TFach* m = fSchule.HoleFach("M");  // fReihe 2
  TKurs* bm = Kurs(b, k5, 2, nullptr, m);
  TKurs* am = Kurs(a, k5, 2, nullptr, m);
  TKurs* ad4 = Kurs(a, k5, 4, nullptr, d);
  TKurs* ad2 = Kurs(a, k5, 2, nullptr, d);
  TKurs* ad2b = Kurs(a, k5, 2, nullptr, d);
  EXPECT_EQ(ad4->fReihe1, 1001);
  EXPECT_EQ(ad4->fReihe2, 1 - 4000);
  std::vector<TKurs*> reihe(fSchule.fKursMenge.begin(), fSchule.fKursMenge.end());
  EXPECT_EQ(reihe, (std::vector<TKurs*>{ad4, ad2, ad2b, am, bm}));
  std::vector<TKurs*> beiA(a->fKurse.begin(), a->fKurse.end());
  EXPECT_EQ(beiA, (std::vector<TKurs*>{ad4, ad2, ad2b, am}));

  // Sorted by class, a class lists its courses by subject first.
  fStandard.fNachKlSortiert = true;
  TKlasse* k6 = fSchule.HoleKlasse("6a");
  TKurs* x = Kurs(b, k6, 1, nullptr, m);
  TKurs* y = Kurs(a, k6, 1, nullptr, d);
  TKurs* z = Kurs(a, k6, 1);
  EXPECT_EQ(y->fReihe1, 2001);
  EXPECT_EQ(y->fReihe2, 1 - 1000);
  std::vector<TKurs*> bei6(k6->fKurse.begin(), k6->fKurse.end());
  EXPECT_EQ(bei6, (std::vector<TKurs*>{z, y, x}));
}

TEST_F(KursTest, SubjectGainsAndLosesClassesWithItsCourses) {
  TFach* d = fSchule.HoleFach("D");
  TKlasse* a = fSchule.HoleKlasse("5a");
  TKlasse* b = fSchule.HoleKlasse("5b");
  TKurs* k1 = Kurs(nullptr, a, 2, nullptr, d);
  TKurs* k2 = Kurs(nullptr, a, 2, nullptr, d);
  k1->KlasseErgaenzen(b);
  EXPECT_EQ(d->fKlassen.ListeZahlElemente(), 2);
  k1->FachEntfernen();
  // 5a still has a German course, 5b has none.
  EXPECT_EQ(d->fKlassen.ListeZahlElemente(), 1);
  EXPECT_EQ(d->fKlassen.ListeNrInhalt(1), a);
  k2->FachErgaenzen(nullptr);
  EXPECT_EQ(d->fKlassen.ListeZahlElemente(), 0);
  k1->FachErgaenzen(d);
  EXPECT_EQ(d->fKlassen.ListeZahlElemente(), 2);
  EXPECT_EQ(d->fKurse.ListeZahlElemente(), 1);
}

TEST_F(KursTest, LessonsHeldInTheReportingPeriod) {
  fStandard.fDepVon = *KodiereDatum(2026, 11, 30);  // a Monday
  fStandard.fDepBis = *KodiereDatum(2026, 12, 20);  // three weeks on, a Sunday
  TKurs* k = Kurs(fSchule.HoleLehrer("MUE"), nullptr, 2);
  Setze(k, 1, 2, 1);  // Tuesdays
  Setze(k, 1, 7, 1);  // Sundays
  EXPECT_EQ(k->StatistikSumme(), 6);
  // A holiday on the Tuesday of the second week, another version in the third.
  fStandard.fFerien[KalenderWoche(*KodiereDatum(2026, 12, 8))] = 0x02;
  fSchule.fKalender[KalenderWoche(*KodiereDatum(2026, 12, 15))] = 2;
  // Tuesday 1.12; Sundays 6.12 and 13.12 (20.12 lies in the third week).
  EXPECT_EQ(k->StatistikSumme(), 3);
  k->SetnichtVerplanen(true);
  EXPECT_EQ(k->StatistikSumme(), 2 + 2);  // versions 1, 1 and 2, with 0 lessons in version 2
  k->SetnichtZaehlenLe(true);
  EXPECT_EQ(k->StatistikSumme(), 0);
}

TEST_F(KursTest, PlacedRoomIsTheMostUsedOneAndTheEarlierOnATie) {
  TRaum* r1 = fSchule.HoleRaum("R1");
  TRaum* r2 = fSchule.HoleRaum("R2");
  TKurs* k = Kurs(fSchule.HoleLehrer("A"), nullptr, 5, r1, fSchule.HoleFach("D"));
  k->RaumErgaenzen(r2, false);
  EXPECT_EQ(k->VerplanterRaum(), nullptr);
  EXPECT_EQ(k->MitRaumZeile(), "A D R1");
  Setze(k, 1, 1, 1, r2);
  Setze(k, 1, 1, 2, r2);
  Setze(k, 1, 1, 3, r1);
  Setze(k, 1, 1, 4);
  EXPECT_EQ(k->VerplanterRaum(), r2);
  EXPECT_EQ(k->MitRaumZeile(), "A D R2");
  Setze(k, 1, 1, 5, r1);
  EXPECT_EQ(k->VerplanterRaum(), r1);
}

}  // namespace
}  // namespace orbato
