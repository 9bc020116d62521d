#include <gtest/gtest.h>

#include "checks/pruefungsfixture.h"

namespace orbato {
namespace {

class PlanPruefungen : public PruefTest {
 protected:
  TKurs* Mathe(int32_t stunden) {
    return Kurs(fSchule.HoleLehrer("MUE"), fSchule.HoleKlasse("5a"), stunden, nullptr,
                fSchule.HoleFach("M"));
  }
  // Places lessons in periods 1.. of the days, `proTag[i]` on day i + 1.
  void Verteile(TKurs* k, std::initializer_list<int32_t> proTag, int32_t woche = 1) {
    int32_t tag = 1;
    for (int32_t n : proTag) {
      for (int32_t std = 1; std <= n; ++std) Setze(k, woche, tag, std);
      ++tag;
    }
  }
};

TEST_F(PlanPruefungen, ABridgeIsAGapBetweenLessonsOfOneDay) {
  fStandard.fMaxWocheNeu = 2;
  TKurs* k = Mathe(8);
  Setze(k, 1, 1, 2);
  Setze(k, 1, 1, 4);
  for (int32_t std = 2; std <= 4; ++std) Setze(k, 1, 2, std);
  Setze(k, 1, 3, 3);
  Setze(k, 2, 7, 1);
  Setze(k, 2, 7, 16);
  EXPECT_EQ(BrueckenTest(fSchule, fFehler), 1);
  EXPECT_EQ(Fehler(), (Zeilen{"Der Kurs MUE M 5a hat {1} Mo eine Br\xFC"
                              "cke.",
                              "Der Kurs MUE M 5a hat {2} So eine Br\xFC"
                              "cke."}));
}

TEST_F(PlanPruefungen, MissingRoomsOnlyOfCoursesThatHaveRooms) {
  fStandard.fStdBez[0][1] = "2.";
  TRaum* r = fSchule.HoleRaum("R1");
  TKurs* mitRaum = Kurs(fSchule.HoleLehrer("MUE"), fSchule.HoleKlasse("5a"), 3, r);
  Setze(mitRaum, 1, 4, 2);
  Setze(mitRaum, 1, 1, 1, r);
  TKurs* ohneRaum = Kurs(fSchule.HoleLehrer("SCH"), fSchule.HoleKlasse("5b"), 3);
  Setze(ohneRaum, 1, 1, 1);
  EXPECT_EQ(FehlRaumTest(fSchule, fFehler), 1);
  EXPECT_EQ(Fehler(), (Zeilen{"Der Kurs MUE 5a hat {1} Do 2. keinen Raum."}));
}

TEST_F(PlanPruefungen, MissingLessonsPassOverCoursesNeverPlaced) {
  fStandard.fMaxWocheNeu = 2;
  fStandard.fEineWoche = false;
  TKurs* offen = Mathe(3);
  Setze(offen, 1, 1, 1);
  Verteile(offen, {1, 1, 1}, 2);
  TKurs* abzug = Kurs(fSchule.HoleLehrer("SCH"), nullptr, 4);
  abzug->fNichtVerplanen = true;
  EXPECT_EQ(FehlStundenTest(fSchule, fFehler), 1);
  EXPECT_EQ(Fehler(), (Zeilen{"Im Kurs {1} MUE M 5a sind 2 Stunden noch nicht gesetzt."}));
}

// "Std/Tag" 2 with one single lesson: 5 lessons as 2 + 2 + 1.
TEST_F(PlanPruefungen, SingleLessonConditionWithDoubleLessons) {
  const auto pruefe = [&](int32_t stunden, std::initializer_list<int32_t> proTag) {
    fFehler.Leeren();
    TKurs* k = Mathe(stunden);
    k->fStdProTag = 2;
    k->fEinzelStd = 1;
    Verteile(k, proTag);
    const int stufe = EinzelPruefung(fSchule, fFehler);
    fSchule.KursEntfernen(k);
    return stufe;
  };
  EXPECT_EQ(pruefe(5, {2, 2, 1}), 0);
  EXPECT_TRUE(Fehler().empty());
  EXPECT_EQ(pruefe(5, {2, 1, 1, 1}), 1);
  EXPECT_EQ(Fehler(), (Zeilen{"Im Kurs {1} MUE M 5a ist die Einzelstundenbedingung verletzt. "}));
  // One lesson is the single one, but there is no day with a double lesson.
  EXPECT_EQ(pruefe(1, {1}), 1);
  EXPECT_EQ(Fehler().size(), 1u);
  // A version not placed completely is not judged.
  EXPECT_EQ(pruefe(5, {2, 1, 1}), 0);
  EXPECT_EQ(pruefe(5, {3, 1, 1}), 1);
}

TEST_F(PlanPruefungen, SingleLessonConditionJudgesEachPlacedVersion) {
  fStandard.fMaxWocheNeu = 3;
  fStandard.fEineWoche = false;
  TKurs* k = Mathe(3);
  k->fEinzelStd = 3;
  Verteile(k, {1, 1, 1}, 1);
  Verteile(k, {2, 1}, 2);
  TKurs* nie = Kurs(fSchule.HoleLehrer("SCH"), nullptr, 2);
  nie->fNichtVerplanen = true;
  EXPECT_EQ(EinzelPruefung(fSchule, fFehler), 1);
  // Version 3 has no lessons placed, so only version 2 is found.
  EXPECT_EQ(Fehler(), (Zeilen{"Im Kurs {2} MUE M 5a ist die Einzelstundenbedingung verletzt. "}));
}

}  // namespace
}  // namespace orbato
