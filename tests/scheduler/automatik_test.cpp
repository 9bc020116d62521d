#include "scheduler/automatik.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "placement/setzen.h"
#include "scheduler/automatikfixture.h"
#include "scheduler/wochensetzung.h"

namespace orbato {
namespace {

using ::testing::ElementsAre;

TEST_F(AutomatikTest, HalfTheHoursKeepsTheFirstSixOfTenEqualCourses) {
  fStandard.fAuProzent = 50;
  std::vector<TKurs*> kurse;
  for (int i = 0; i < 10; ++i) {
    TLehrer* l = fSchule.HoleLehrer("L" + std::to_string(i));
    kurse.push_back(Kurs(l, f5a, 1));
  }
  const TAutomatik automatik(kurse);
  EXPECT_EQ(automatik.Kurse().size(), 6u);
  EXPECT_EQ(automatik.NochZuSetzen(), 6);
  EXPECT_EQ(automatik.FortschrittMax(), 6);
  EXPECT_EQ(automatik.FortschrittSchritt(), 0);
}

TEST_F(AutomatikTest, TheWorkListTakesEachCourseOnceWithItsCouplingAndSkipsUnplannedOnes) {
  TKopplung* ko = fSchule.HoleKopplung("K1");
  TKurs* a = Kurs(fMue, f5a, 2);
  TKurs* b = Kurs(fSch, f5b, 2);
  TKurs* nie = Kurs(fMue, f5b, 2);
  TKurs* partnerNie = Kurs(fSch, f5a, 1);
  a->KopplungErgaenzen(ko);
  b->KopplungErgaenzen(ko);
  partnerNie->KopplungErgaenzen(ko);
  nie->fNichtVerplanen = true;
  partnerNie->fNichtVerplanen = true;
  const TAutomatik automatik({a, a, nie});
  EXPECT_EQ(automatik.Kurse().size(), 2u);
  EXPECT_EQ(automatik.NochZuSetzen(), 4);
}

// A coupling's courses share their periods: three open hours of two coupled courses need two
// periods, a single course's hours one each; placed hours are not open.
TEST_F(AutomatikTest, OpenHoursCountCoupledCoursesOncePerPeriod) {
  TKopplung* ko = fSchule.HoleKopplung("K1");
  TKurs* a = Kurs(fMue, f5a, 2);
  TKurs* b = Kurs(fSch, f5b, 1);
  TKurs* allein = Kurs(fMue, f5b, 3);
  a->KopplungErgaenzen(ko);
  b->KopplungErgaenzen(ko);
  NeueSetzung(*allein, 1, 1, nullptr, 1);
  EXPECT_EQ(OffeneStundenUndZeitfenster({a, b, allein}), (TOffeneStunden{5, 4}));
  EXPECT_EQ(OffeneStundenUndZeitfenster({}), (TOffeneStunden{0, 0}));
}

TEST_F(AutomatikTest, ADoubleBlockComesFirstThenASingleHourOnAFreeDay) {
  TKurs* k = Kurs(fMue, f5a, 3, 2, 1);
  const TAutomatik a = Rechne({k});
  // Monday 1-2 has free neighbour days (Friday and Tuesday); the single hour needs free
  // neighbours as well, so it skips Tuesday for Wednesday.
  EXPECT_THAT(Zellen(*k), ElementsAre("1.1", "1.2", "3.1"));
  EXPECT_EQ(a.NochZuSetzen(), 0);
  EXPECT_EQ(a.NichtVerplanbar(), 0);
  EXPECT_TRUE(a.Rest().empty());
}

TEST_F(AutomatikTest, AMondayBlockNeedsTheLastSchoolDayFreeInTheStrictPass) {
  TKurs* k = Kurs(fMue, f5a, 3, 2);
  Setze(k, 1, 5, 6);
  Rechne({k});
  EXPECT_THAT(Zellen(*k), ElementsAre("5.6", "2.1", "2.2"));
}

TEST_F(AutomatikTest, ADayWithAnHourOfTheCourseNeverGetsASecondBlock) {
  // Five days, at most one hour a day: the strict pass takes the days with free neighbours
  // (Monday, Wednesday), the loose one the rest; the sixth hour finds no day.
  TKurs* k = Kurs(fMue, f5a, 6, 1);
  const TAutomatik a = Rechne({k});
  EXPECT_THAT(Zellen(*k), ElementsAre("1.1", "3.1", "2.1", "4.1", "5.1"));
  EXPECT_EQ(a.NichtVerplanbar(), 1);
  EXPECT_THAT(a.Rest(), ElementsAre(k));
}

TEST_F(AutomatikTest, NoHourGoesAfterTheLastPeriodOrTheLastDayOfTheSchoolWeek) {
  fStandard.fPlnStd = 2;
  // Ten hours of one class, two a day at most: every cell of the shown week, nothing beyond.
  for (int i = 0; i < 5; ++i) Kurs(fSchule.HoleLehrer("L" + std::to_string(i)), f5a, 2, 2);
  Kurs(fMue, f5a, 1);
  std::vector<TKurs*> alle(fSchule.fKursMenge.begin(), fSchule.fKursMenge.end());
  const TAutomatik a = Rechne(alle);
  for (const TKurs* k : alle) {
    for (const TSetzung* s : k->fSetzungen) {
      EXPECT_LE(s->fStunde, 2);
      EXPECT_LE(s->fTag, 5);
    }
  }
  EXPECT_EQ(f5a->fBesetzung.GetWocheTag(1, 6), 0);
  EXPECT_EQ(a.NichtVerplanbar(), 1);
}

TEST_F(AutomatikTest, BlockedAndBusyCellsOfTeacherAndClassStayFree) {
  fMue->fSperrung.SetWocheTagStd(1, 1, true, 0);
  TKurs* vorher = Kurs(fSch, f5a, 1);
  Setze(vorher, 1, 2, 1);
  TKurs* k = Kurs(fMue, f5a, 2);
  Rechne({k});
  // Monday is blocked for the teacher and Tuesday 1 busy for the class.
  EXPECT_THAT(Zellen(*k), ElementsAre("2.2", "4.1"));
}

TEST_F(AutomatikTest, TheSingleHourPhaseMovesAnEdgeHourToAFreeDayAndCountsEveryHour) {
  // The two hours go in as one block on Monday 1-2. Two single hours are wanted, so the first
  // edge hour of the block moves to the first free day whose neighbours are free of the course:
  // Tuesday and Thursday are blocked, Wednesday 1 too.
  fMue->fSperrung.SetWocheTagStd(1, 2, true, 0);
  fMue->fSperrung.SetWocheTagStd(1, 4, true, 0);
  fMue->fSperrung.SetWocheTagStd(1, 3, true, 1);
  TKurs* k = Kurs(fMue, f5a, 2, 2, 2);
  const TAutomatik a = Rechne({k});
  EXPECT_THAT(Zellen(*k), ElementsAre("1.2", "3.2"));
  EXPECT_EQ(a.NochZuSetzen(), 0);
  EXPECT_EQ(a.NichtVerplanbar(), 0);
}

TEST_F(AutomatikTest, EveryCourseIsTriedAndEveryOpenHourCounted) {
  std::vector<TKurs*> kurse;
  for (int i = 0; i < 8; ++i) {
    kurse.push_back(Kurs(fSchule.HoleLehrer("L" + std::to_string(i)), i % 2 ? f5a : f5b, 4, 2, 2));
  }
  const TAutomatik a = Rechne(kurse);
  int32_t offen = 0;
  for (const TKurs* k : kurse) offen += k->RestStunden(1);
  EXPECT_TRUE(a.Kurse().empty());
  EXPECT_EQ(a.NichtVerplanbar(), offen);
  EXPECT_EQ(a.NochZuSetzen(), 0);
}

TEST_F(AutomatikTest, CancellingKeepsTheHoursPlacedSoFar) {
  TKurs* a = Kurs(fMue, f5a, 3);
  TKurs* b = Kurs(fSch, f5b, 2);
  TAutomatik automatik({a, b});
  int kurseFertig = 0;
  automatik.fZwischendurch = [&] {
    ++kurseFertig;
    automatik.Abbrechen();
  };
  automatik.Rechne();
  EXPECT_EQ(kurseFertig, 1);
  EXPECT_TRUE(automatik.Abgebrochen());
  EXPECT_EQ(a->VerplanteStunden(1), 3);
  EXPECT_EQ(b->VerplanteStunden(1), 0);
  EXPECT_EQ(automatik.NochZuSetzen(), 2);
}

TEST_F(AutomatikTest, WithOneHourBetweenRatingsTheListIsSortedBeforeEveryCourse) {
  fStandard.fAuStd = 1;
  for (int i = 0; i < 4; ++i) Kurs(fSchule.HoleLehrer("L" + std::to_string(i)), f5a, 1);
  std::vector<TKurs*> alle(fSchule.fKursMenge.begin(), fSchule.fKursMenge.end());
  TAutomatik automatik(alle);
  fDialoge.ProtokollLeeren();
  automatik.Rechne();
  // Three courses follow the first, each after a re-sort.
  EXPECT_EQ(Meldungen("Die Reihenfolge der Setzungen wird berechnet."), 3);
}

TEST_F(AutomatikTest, TheMostConstrainedCourseGoesFirst) {
  // The blocked teacher's course rates higher and takes Monday before the free one.
  fSch->fSperrung.SetWocheTagStd(1, 3, true, 0);
  TKurs* frei = Kurs(fMue, f5a, 1);
  TKurs* eng = Kurs(fSch, f5a, 1);
  TAutomatik automatik({frei, eng});
  EXPECT_THAT(automatik.Kurse(), ElementsAre(eng, frei));
  // 1 hour + impossible cells (the weekend's 32, periods 7-16 of five days, Wednesday 1-6) +
  // 3 x 1 hour a day.
  EXPECT_EQ(eng->fBewertung, 1 + (32 + 50 + 6) + 3);
  EXPECT_EQ(frei->fBewertung, 1 + (32 + 50) + 3);
  automatik.Rechne();
  EXPECT_THAT(Zellen(*eng), ElementsAre("1.1"));
  EXPECT_THAT(Zellen(*frei), ElementsAre("1.2"));
}

TEST_F(AutomatikTest, ACoupledCourseIsPlacedWithItsCouplingInDistinctRooms) {
  fStandard.fAuRaumUnwichtig = false;
  TKopplung* ko = fSchule.HoleKopplung("K1");
  TKurs* a = Kurs(fMue, f5a, 2);
  TKurs* b = Kurs(fSch, f5a, 2);
  for (TKurs* k : {a, b}) {
    k->KopplungErgaenzen(ko);
    k->RaumErgaenzen(fR1, false);
    k->RaumErgaenzen(fR2, false);
  }
  fR1->fSperrung.SetWocheTagStd(1, 1, true, 1);
  const TAutomatik automatik = Rechne({a});
  // Monday 1 has one room for two courses and is left out; both hours go in side by side.
  EXPECT_THAT(Zellen(*a), ElementsAre("1.2", "3.1"));
  EXPECT_THAT(Zellen(*b), ElementsAre("1.2", "3.1"));
  for (const TKurs* k : {a, b}) {
    for (const TSetzung* s : k->fSetzungen) ASSERT_NE(s->fRaum, nullptr);
  }
  EXPECT_NE(a->fSetzungen.ListeNrInhalt(1)->fRaum, b->fSetzungen.ListeNrInhalt(1)->fRaum);
  EXPECT_EQ(automatik.NichtVerplanbar(), 0);
}

TEST_F(AutomatikTest, ACoupledHourWithoutDistinctRoomsStaysWithoutARoom) {
  // The week placement on its own, with a rating that left every cell open: the two coupled
  // courses share their only room, so the block they get goes in without rooms at all.
  fStandard.fAuRaumUnwichtig = false;
  TKopplung* ko = fSchule.HoleKopplung("K1");
  TKurs* a = Kurs(fMue, f5a, 2, 2);
  TKurs* b = Kurs(fSch, f5a, 2, 2);
  for (TKurs* k : {a, b}) {
    k->KopplungErgaenzen(ko);
    k->RaumErgaenzen(fR1, false);
  }
  TAutomatik automatik({});
  TWochenSetzung(automatik, *a, 1).Setze(2);
  EXPECT_THAT(Zellen(*a), ElementsAre("1.1", "1.2"));
  EXPECT_THAT(Zellen(*b), ElementsAre("1.1", "1.2"));
  for (const TKurs* k : {a, b}) {
    for (const TSetzung* s : k->fSetzungen) EXPECT_EQ(s->fRaum, nullptr);
  }
  EXPECT_EQ(fR1->fBesetzung.GetWocheTag(1, 1), 0);
}

}  // namespace
}  // namespace orbato
