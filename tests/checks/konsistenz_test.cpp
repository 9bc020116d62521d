#include <gtest/gtest.h>

#include "checks/pruefungsfixture.h"
#include "model/demo/demoschule.h"

namespace orbato {
namespace {

using Konsistenz = PruefTest;

TEST_F(Konsistenz, CoupledCoursesMayShareAClassCell) {
  TKlasse* k = fSchule.HoleKlasse("5a");
  TKopplung* o = fSchule.HoleKopplung("REL");
  Setze(Kurs(fSchule.HoleLehrer("MUE"), k, 2, nullptr, nullptr, o), 1, 1, 1);
  Setze(Kurs(fSchule.HoleLehrer("SCH"), k, 2, nullptr, nullptr, o), 1, 1, 1);
  EXPECT_EQ(Abgleichen(), 0);
  EXPECT_TRUE(Fehler().empty());
  EXPECT_EQ(fFehler.Geoeffnet(), 0);
  EXPECT_TRUE(k->fBesetzung.GetWocheTagStd(1, 1, 1));
}

TEST_F(Konsistenz, ATeacherTwiceInACouplingIsDoubleBookedAndDoubledInTheCoupling) {
  TLehrer* l = fSchule.HoleLehrer("MUE");
  TKlasse* k = fSchule.HoleKlasse("5a");
  TKopplung* o = fSchule.HoleKopplung("REL");
  Setze(Kurs(l, k, 2, nullptr, nullptr, o), 1, 1, 1);
  Setze(Kurs(l, k, 2, nullptr, nullptr, o), 1, 1, 1);
  EXPECT_EQ(Abgleichen(), 2);
  EXPECT_EQ(Fehler(), (Zeilen{"Lehrer MUE {1} Mo  1 doppelt im Plan.",
                              "Lehrer MUE ist doppelt in Kopplung REL"}));
  EXPECT_EQ(fFehler.Geoeffnet(), 1);
}

TEST_F(Konsistenz, AClassClashIsListedFromBothSides) {
  TKlasse* k = fSchule.HoleKlasse("5a");
  Setze(Kurs(fSchule.HoleLehrer("MUE"), k, 2), 1, 2, 3);
  Setze(Kurs(fSchule.HoleLehrer("SCH"), k, 2, nullptr, nullptr, fSchule.HoleKopplung("REL")), 1, 2,
        3);
  EXPECT_EQ(Abgleichen(), 2);
  EXPECT_EQ(Fehler(), (Zeilen{"Klasse 5a {1} Di  3 doppelt im Plan.",
                              "Klasse 5a {1} Di  3 doppelt im Plan."}));
}

// An uncoupled lesson in the cell of a coupling clashes with each of its courses, both ways round;
// the coupled courses among themselves do not.
TEST_F(Konsistenz, ALessonInTheCellOfACouplingClashesWithEachOfItsCourses) {
  fStandard.fStdBez[0][5] = "6.";
  TKlasse* k = fSchule.HoleKlasse("5a");
  TKopplung* o = fSchule.HoleKopplung("REL");
  TKurs* kr = Kurs(fSchule.HoleLehrer("ABE"), k, 2, nullptr, fSchule.HoleFach("KR"), o);
  TKurs* er = Kurs(fSchule.HoleLehrer("BER"), k, 2, nullptr, fSchule.HoleFach("ER"), o);
  TKurs* d = Kurs(fSchule.HoleLehrer("CEL"), k, 2, nullptr, fSchule.HoleFach("D"));
  for (TKurs* kurs : {kr, er, d}) Setze(kurs, 1, 4, 6);
  Setze(kr, 1, 1, 1);
  Setze(er, 1, 1, 1);
  Setze(d, 1, 1, 2);
  ASSERT_EQ(k->fKurse.ListeNrInhalt(3), d);
  EXPECT_EQ(Abgleichen(), 2);
  EXPECT_EQ(Fehler(), Zeilen(4, "Klasse 5a {1} Do 6. doppelt im Plan."));
}

// Only the lessons held in a room count for it.
TEST_F(Konsistenz, ARoomIsDoubleBookedOnlyByLessonsHeldInIt) {
  fStandard.fStdBez[0][3] = "4.";
  TRaum* r1 = fSchule.HoleRaum("R1");
  TRaum* r2 = fSchule.HoleRaum("R2");
  Setze(Kurs(fSchule.HoleLehrer("MUE"), fSchule.HoleKlasse("5a"), 2, r1), 1, 5, 4, r1);
  Setze(Kurs(fSchule.HoleLehrer("SCH"), fSchule.HoleKlasse("5b"), 2, r1), 1, 5, 4, r1);
  Setze(Kurs(fSchule.HoleLehrer("ABE"), fSchule.HoleKlasse("5c"), 2, r1), 1, 5, 4, r2);
  EXPECT_EQ(Abgleichen(), 2);
  EXPECT_EQ(Fehler(), (Zeilen{"Raum R1 {1} Fr 4. doppelt im Plan."}));
}

TEST_F(Konsistenz, ABlockedCellUnderALessonIsClearedWithoutAFinding) {
  TLehrer* l = fSchule.HoleLehrer("MUE");
  TKlasse* k = fSchule.HoleKlasse("5a");
  TRaum* r = fSchule.HoleRaum("R1");
  TKurs* kurs = Kurs(l, k, 2, r);
  Setze(kurs, 1, 3, 2, r);
  for (TWochBereich* sperrung : {&l->fSperrung, &k->fSperrung, &r->fSperrung, &kurs->fSperrung}) {
    sperrung->SetWocheTagStd(1, 3, true, 2);
    sperrung->SetWocheTagStd(1, 3, true, 5);
  }
  fSchule.SetDirty(false);
  EXPECT_EQ(Abgleichen(), 0);
  EXPECT_TRUE(Fehler().empty());
  for (TWochBereich* sperrung : {&l->fSperrung, &k->fSperrung, &r->fSperrung, &kurs->fSperrung}) {
    EXPECT_FALSE(sperrung->GetWocheTagStd(1, 3, 2));
    EXPECT_TRUE(sperrung->GetWocheTagStd(1, 3, 5));
  }
  EXPECT_TRUE(fSchule.IsDirty());
}

TEST_F(Konsistenz, RebuildsEveryOccupancyFromThePlacements) {
  TLehrer* l = fSchule.HoleLehrer("MUE");
  TKlasse* k = fSchule.HoleKlasse("5a");
  TRaum* r = fSchule.HoleRaum("R1");
  TKurs* kurs = Kurs(l, k, 2, r);
  Setze(kurs, 1, 1, 1, r);
  for (TWochBereich* b : {&l->fBesetzung, &k->fBesetzung, &r->fBesetzung, &kurs->fBesetzung}) {
    b->SetWocheTagStd(1, 1, false, 1);
    b->SetWocheTagStd(1, 4, true, 6);
  }
  EXPECT_EQ(Abgleichen(), 0);
  EXPECT_EQ(Pieps(), 0u);
  for (TWochBereich* b : {&l->fBesetzung, &k->fBesetzung, &r->fBesetzung, &kurs->fBesetzung}) {
    EXPECT_TRUE(b->GetWocheTagStd(1, 1, 1));
    EXPECT_FALSE(b->GetWocheTagStd(1, 4, 6));
  }
  // A consistent document stays unchanged.
  fSchule.SetDirty(false);
  EXPECT_EQ(Abgleichen(), 0);
  EXPECT_FALSE(fSchule.IsDirty());
}

TEST_F(Konsistenz, RaisesLessonsToThePlacementsOfEachVersion) {
  fStandard.fMaxWocheNeu = 2;
  fStandard.fEineWoche = false;
  TKurs* k = Kurs(fSchule.HoleLehrer("MUE"), fSchule.HoleKlasse("5a"), 3);
  for (int32_t tag = 1; tag <= 4; ++tag) Setze(k, 1, tag, 1);
  Setze(k, 2, 1, 1);
  EXPECT_EQ(Abgleichen(), 1);
  EXPECT_TRUE(Fehler().empty());
  EXPECT_EQ(k->fStunden.GetWochenStunde(1), 4);
  EXPECT_EQ(k->fStunden.GetWochenStunde(2), 3);
  EXPECT_EQ(Pieps(), 1u);
  EXPECT_TRUE(fSchule.IsDirty());
}

TEST_F(Konsistenz, RestoresMissingBackReferencesWithABeepEach) {
  TLehrer* l = fSchule.HoleLehrer("MUE");
  TRaum* r1 = fSchule.HoleRaum("R1");
  TRaum* r2 = fSchule.HoleRaum("R2");
  TKurs* erster = Kurs(l, fSchule.HoleKlasse("5a"), 4, r1);
  TKurs* zweiter = Kurs(l, fSchule.HoleKlasse("5b"), 2);
  ASSERT_EQ(l->fKurse.ListeNrInhalt(1), erster);
  l->fKurse.ListeElemEnthalten(erster);
  l->fKurse.ListeLoeschen(false);
  r1->fKurse.ListeElemEnthalten(erster);
  r1->fKurse.ListeLoeschen(false);
  // A room added while placing that has dropped out of the room list and does not know the course.
  erster->fRaumErgaenzt.ListeAnhaengen(r2);

  EXPECT_EQ(Abgleichen(), 1);
  EXPECT_TRUE(Fehler().empty());
  EXPECT_EQ(Pieps(), 4u);
  EXPECT_EQ(l->fKurse.ListeNrInhalt(1), erster);
  EXPECT_EQ(l->fKurse.ListeNrInhalt(2), zweiter);
  EXPECT_EQ(r1->fKurse.ListeElemNr(erster), 1);
  EXPECT_EQ(r2->fKurse.ListeElemNr(erster), 1);
  EXPECT_EQ(erster->fRaeume.ListeZahlElemente(), 2);
  EXPECT_EQ(erster->fRaeume.ListeNrInhalt(2), r2);
}

// The room of a lesson must know the course, even when it is not among the course's rooms.
TEST_F(Konsistenz, TheRoomOfALessonLearnsTheCourse) {
  TRaum* r = fSchule.HoleRaum("R9");
  TKurs* k = Kurs(fSchule.HoleLehrer("MUE"), fSchule.HoleKlasse("5a"), 2);
  Setze(k, 1, 2, 2, r);
  r->fSperrung.SetWocheTagStd(1, 2, true, 2);
  EXPECT_EQ(Abgleichen(), 1);
  EXPECT_EQ(Pieps(), 1u);
  EXPECT_EQ(r->fKurse.ListeElemNr(k), 1);
  EXPECT_FALSE(r->fSperrung.GetWocheTagStd(1, 2, 2));
  EXPECT_TRUE(r->fBesetzung.GetWocheTagStd(1, 2, 2));
}

TEST_F(Konsistenz, CapsSingleLessonsAtTheDaysOfTheWeekSilently) {
  fStandard.fMaxTageNeu = 5;
  TKurs* k = Kurs(fSchule.HoleLehrer("MUE"), fSchule.HoleKlasse("5a"), 7);
  k->fEinzelStd = 7;
  EXPECT_EQ(Abgleichen(), 1);
  EXPECT_EQ(k->fEinzelStd, 5);
  EXPECT_EQ(Pieps(), 0u);
  EXPECT_TRUE(Fehler().empty());
}

// The generator places without collisions, so the check finds nothing to report there.
TEST(KonsistenzDemo, TheDemoSchoolHasNoDoubleBookings) {
  TStandard standard;
  TStandardEinsetzen standardEingesetzt(standard);
  TSchule schule;
  TSchuleEinsetzen schuleEingesetzt(schule);
  ErzeugeDemoSchule(schule, standard, TDemoGroesse::mittel);
  TSkriptDialoge dialoge;
  TFehlerSammlung fehler;
  EXPECT_EQ(KonsistenzTest(schule, dialoge, fehler), 0);
  EXPECT_EQ(fehler.Zeilen(), Zeilen{});
  EXPECT_EQ(dialoge.Anzahl(TDialogVorgang::Piep), 0u);
  EXPECT_FALSE(schule.IsDirty());
}

}  // namespace
}  // namespace orbato
