#include "scheduler/planqualitaet.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "model/demo/demoschule.h"
#include "model/elemente/fach.h"
#include "model/elemente/klasse.h"
#include "model/elemente/kopplung.h"
#include "model/elemente/lehrer.h"
#include "model/kurse/kurs.h"
#include "model/schnittstellen/dialoge.h"
#include "model/schulfixture.h"
#include "persist/kursimport.h"
#include "scheduler/automatik.h"

namespace orbato {

void PrintTo(const TSchlechtester& s, std::ostream* aus) {
  *aus << s.fKuerzel << ':' << s.fLuecken;
}

void PrintTo(const TLehrerQualitaet& z, std::ostream* aus) {
  *aus << z.fKuerzel << ' ' << z.fStunden << '/' << z.fLuecken << '/' << z.fTageUeberMax << '/'
       << z.fTageUnterMin << '/' << z.fFreierTagGewuenscht << z.fFreierTag;
}

void PrintTo(const TKlassenQualitaet& z, std::ostream* aus) {
  *aus << z.fKuerzel << ' ' << z.fStunden << '/' << z.fLuecken << '/' << z.fFachDoppeltTage << '/'
       << z.fSpaeteTage;
}

void PrintTo(const TPlanQualitaet& q, std::ostream* aus) {
  *aus << "{soll " << q.fStundenSoll << ", gesetzt " << q.fStundenGesetzt << ", klassen "
       << q.fKlassenLueckenSumme << '/' << q.fKlassenMitLuecken << '/'
       << ::testing::PrintToString(q.fSchlechtesteKlasse) << ", lehrer " << q.fLehrerLueckenSumme
       << '/' << q.fLehrerUeberGrenze << '/' << ::testing::PrintToString(q.fSchlechtesterLehrer)
       << ", fach " << q.fFachDoppeltTage << ", max " << q.fLehrerTageUeberMax << ", min "
       << q.fLehrerTageUnterMin << ", frei " << q.fFreierTagErfuellt << '/'
       << q.fFreierTagGewuenscht << ", unverbunden " << q.fUnverbundeneBloecke << ", hart "
       << q.fHarteVerletzungen << '}';
}

namespace {

// A five-day week of eight periods whose first rating table links no cell with the next.
class PlanQualitaetTest : public SchulTest {
 protected:
  PlanQualitaetTest() {
    fStandard.fMaxTageNeu = 5;
    fStandard.fPlnStd = 8;
    for (int32_t std = 1; std <= kMaxStunden; ++std) {
      for (int32_t tag = 1; tag <= kMaxTage; ++tag)
        fStandard.fAuTab[0][std - 1][tag - 1] = (std - 1) * kMaxTage + tag;
    }
  }
  void Verbinde(int32_t tag, int32_t std) {
    fStandard.fAuTab[0][std - 1][tag - 1] = -fStandard.fAuTab[0][std - 1][tag - 1];
  }
  TKurs* KursMitStunden(TLehrer* l, TKlasse* k, TFach* f, std::initializer_list<int32_t> montag,
                        TKopplung* o = nullptr) {
    TKurs* kurs = Kurs(l, k, static_cast<int32_t>(montag.size()), nullptr, f, o);
    kurs->fStdProTag = static_cast<int32_t>(montag.size());
    for (int32_t std : montag) Setze(kurs, 1, 1, std);
    return kurs;
  }
  void Nimm(TKurs* kurs, int32_t tag, int32_t std) {
    kurs->SetzungAufgeben(kurs->SetzungFinden(1, tag, std));
  }
  TPlanQualitaet Q() { return PlanQualitaet(fSchule, 1); }

  TLehrer* fMa = fSchule.HoleLehrer("Ma");
  TKlasse* f5a = fSchule.HoleKlasse("5a");
};

TEST_F(PlanQualitaetTest, AGapIsAFreePeriodBetweenLessonsThatIsNotBlocked) {
  KursMitStunden(fMa, f5a, nullptr, {1, 2, 5});
  Verbinde(1, 1);
  f5a->fSperrung.SetWocheTagStd(1, 1, true, 3);
  fMa->fSperrung.SetWocheTagStd(1, 1, true, 3);

  TPlanQualitaet erwartet;
  erwartet.fStundenSoll = 3;
  erwartet.fStundenGesetzt = 3;
  erwartet.fKlassenLueckenSumme = 1;
  erwartet.fKlassenMitLuecken = 1;
  erwartet.fSchlechtesteKlasse = TSchlechtester{"5a", 1};
  erwartet.fLehrerLueckenSumme = 1;
  erwartet.fSchlechtesterLehrer = TSchlechtester{"Ma", 1};
  EXPECT_EQ(Q(), erwartet);

  f5a->fSperrung.SetWocheTagStd(1, 1, false, 3);
  const TPlanQualitaet offen = Q();
  EXPECT_EQ(offen.fKlassenLueckenSumme, 2);
  EXPECT_EQ(offen.fSchlechtesteKlasse, (TSchlechtester{"5a", 2}));
  EXPECT_EQ(offen.fLehrerLueckenSumme, 1);
}

TEST_F(PlanQualitaetTest, GapsCountOnlyWithinTheShownPeriodsAndNameTheFirstWorstElement) {
  TKlasse* f6a = fSchule.HoleKlasse("6a");
  TLehrer* de = fSchule.HoleLehrer("De");
  KursMitStunden(fMa, f5a, nullptr, {1, 3, 5, 9});
  KursMitStunden(de, f6a, nullptr, {2, 4, 6});
  const TPlanQualitaet q = PlanQualitaet(fSchule, 1, {1, 6, 2});
  EXPECT_EQ(q.fKlassenLueckenSumme, 4);
  EXPECT_EQ(q.fKlassenMitLuecken, 2);
  EXPECT_EQ(q.fSchlechtesteKlasse, (TSchlechtester{"5a", 2}));
  EXPECT_EQ(q.fLehrerLueckenSumme, 4);
  EXPECT_EQ(q.fSchlechtesterLehrer, (TSchlechtester{"Ma", 2}));
  EXPECT_EQ(q.fLehrerUeberGrenze, 2);
  EXPECT_EQ(PlanQualitaet(fSchule, 1, {2, 6, 2}).fLehrerUeberGrenze, 0);
  // The lesson in period 9 is placed, though no plan shows it.
  EXPECT_EQ(q.fStundenGesetzt, 7);
}

TEST_F(PlanQualitaetTest, ASubjectTwiceOnADayOutsideOneRun) {
  TFach* d = fSchule.HoleFach("D");
  TKurs* kurs = KursMitStunden(fMa, f5a, d, {1, 3});
  EXPECT_EQ(Q().fFachDoppeltTage, 1);

  Nimm(kurs, 1, 3);
  Setze(kurs, 1, 1, 2);
  EXPECT_EQ(Q().fFachDoppeltTage, 0);
  EXPECT_EQ(Q().fUnverbundeneBloecke, 1);
  Verbinde(1, 1);
  EXPECT_EQ(Q().fUnverbundeneBloecke, 0);

  // Another course of the subject, two periods later: the class's day counts once however many
  // of its subjects are split.
  KursMitStunden(fSchule.HoleLehrer("De"), f5a, d, {4});
  TFach* e = fSchule.HoleFach("E");
  KursMitStunden(fSchule.HoleLehrer("En"), f5a, e, {5});
  KursMitStunden(fSchule.HoleLehrer("Eb"), f5a, e, {7});
  EXPECT_EQ(Q().fFachDoppeltTage, 1);
  EXPECT_EQ(Q().fHarteVerletzungen, 0);
}

TEST_F(PlanQualitaetTest, TeachersDaysAgainstTheLimitsAndTheFreeDayWish) {
  TKurs* kurs = Kurs(fMa, f5a, 12);
  kurs->fStdProTag = 8;
  for (int32_t std = 1; std <= 7; ++std) Setze(kurs, 1, 1, std);
  for (int32_t tag = 2; tag <= 5; ++tag) Setze(kurs, 1, tag, 1);
  fMa->fFreierTag = true;
  fSchule.HoleLehrer("De")->fFreierTag = true;

  TPlanQualitaet q = Q();
  EXPECT_EQ(q.fLehrerTageUeberMax, 1);
  EXPECT_EQ(q.fLehrerTageUnterMin, 4);
  EXPECT_EQ(q.fFreierTagGewuenscht, 2);
  EXPECT_EQ(q.fFreierTagErfuellt, 1);
  EXPECT_EQ(q.fStundenSoll, 12);
  EXPECT_EQ(q.fStundenGesetzt, 11);

  Nimm(kurs, 5, 1);
  q = Q();
  EXPECT_EQ(q.fLehrerTageUnterMin, 3);
  EXPECT_EQ(q.fFreierTagErfuellt, 2);
}

TEST_F(PlanQualitaetTest, HardViolationsAndCouplingsSharedByAClass) {
  TKopplung* rel = fSchule.HoleKopplung("Rel");
  KursMitStunden(fMa, f5a, nullptr, {1}, rel);
  KursMitStunden(fSchule.HoleLehrer("De"), f5a, nullptr, {1}, rel);
  KursMitStunden(fSchule.HoleLehrer("En"), f5a, nullptr, {2});
  // One coupling in a cell is one lesson of the class: no gap, no clash.
  TPlanQualitaet q = Q();
  EXPECT_EQ(q.fHarteVerletzungen, 0);
  EXPECT_EQ(q.fKlassenLueckenSumme, 0);

  // A course of the class outside the coupling in the same cell, by the same teacher: the class
  // and the teacher are each double-booked once.
  TKurs* doppelt = KursMitStunden(fMa, f5a, nullptr, {1});
  EXPECT_EQ(Q().fHarteVerletzungen, 2);
  Nimm(doppelt, 1, 1);

  TKurs* viel = KursMitStunden(fSchule.HoleLehrer("Mu"), fSchule.HoleKlasse("6a"), nullptr, {3, 4});
  viel->fStdProTag = 1;
  EXPECT_EQ(Q().fHarteVerletzungen, 1);
  fSchule.HoleLehrer("Mu")->fSperrung.SetWocheTagStd(1, 1, true, 3);
  EXPECT_EQ(Q().fHarteVerletzungen, 2);
}

TEST_F(PlanQualitaetTest, EachTeacherAndClassHasItsShareInListOrder) {
  TLehrer* de = fSchule.HoleLehrer("De");
  fSchule.HoleLehrer("Mu");
  TKlasse* f6a = fSchule.HoleKlasse("6a");
  KursMitStunden(fMa, f5a, fSchule.HoleFach("D"), {2, 4});
  KursMitStunden(de, f5a, fSchule.HoleFach("E"), {5});
  KursMitStunden(de, f6a, nullptr, {2});
  fMa->fFreierTag = true;
  // Blocked first periods do not make a late start.
  f6a->fSperrung.SetWocheTagStd(1, 1, true, 1);

  const TElementQualitaet e = ElementQualitaet(fSchule, 1);
  EXPECT_EQ(e.fLehrer, (std::vector<TLehrerQualitaet>{{"Ma", 2, 1, 0, 0, true, true},
                                                      {"De", 2, 2, 0, 0, false, true},
                                                      {"Mu", 0, 0, 0, 0, false, true}}));
  EXPECT_EQ(e.fKlassen, (std::vector<TKlassenQualitaet>{{"5a", 3, 1, 1, 1}, {"6a", 1, 0, 0, 0}}));

  // The day limits of the caller; a wished free day that is gone.
  for (int32_t tag = 2; tag <= 5; ++tag) Setze(Kurs(fMa, nullptr, 1), 1, tag, 1);
  const TElementQualitaet eng = ElementQualitaet(fSchule, 1, {2, 1, 3});
  EXPECT_EQ(eng.fLehrer[0], (TLehrerQualitaet{"Ma", 6, 1, 1, 5, true, false}));
  EXPECT_EQ(eng.fLehrer[1], (TLehrerQualitaet{"De", 2, 2, 1, 1, false, true}));
}

// The figures of whole schools after the scheduler: no hard rule is broken, and the gaps agree
// with the gap counts the plan windows show.
class PlanQualitaetSchulen : public SchulTest {
 protected:
  void Plane() {
    TAutomatik automatik({fSchule.fKursMenge.begin(), fSchule.fKursMenge.end()});
    automatik.Rechne();
  }
  void ErwarteStimmig(const TPlanQualitaet& q) {
    int32_t soll = 0, gesetzt = 0, klassen = 0, lehrer = 0;
    for (const TKurs* k : fSchule.fKursMenge) {
      if (k->fNichtVerplanen) continue;
      soll += k->fStunden.GetWochenStunde(fStandard.fAktuelleWoche);
      gesetzt += k->VerplanteStunden(fStandard.fAktuelleWoche);
    }
    for (const TKlasse* k : fSchule.fKlassenMenge) klassen += k->SpringStd();
    for (const TLehrer* l : fSchule.fLehrerMenge) lehrer += l->SpringStd();
    EXPECT_EQ(q.fStundenSoll, soll);
    EXPECT_EQ(q.fStundenGesetzt, gesetzt);
    EXPECT_EQ(q.fKlassenLueckenSumme, klassen);
    EXPECT_EQ(q.fLehrerLueckenSumme, lehrer);
    EXPECT_EQ(q.fHarteVerletzungen, 0);
    EXPECT_LE(q.fFreierTagErfuellt, q.fFreierTagGewuenscht);
  }
};

TEST_F(PlanQualitaetSchulen, DemoSchoolAfterTheScheduler) {
  ErzeugeDemoSchule(fSchule, fStandard, TDemoGroesse::mittel);
  Plane();
  const TPlanQualitaet q = PlanQualitaet(fSchule, fStandard.fAktuelleWoche);
  ErwarteStimmig(q);
  TPlanQualitaet erwartet;
  erwartet.fStundenSoll = 971;
  erwartet.fStundenGesetzt = 829;
  erwartet.fKlassenLueckenSumme = 69;
  erwartet.fKlassenMitLuecken = 20;
  erwartet.fSchlechtesteKlasse = TSchlechtester{"Q2", 9};
  erwartet.fLehrerLueckenSumme = 278;
  erwartet.fLehrerUeberGrenze = 45;
  erwartet.fSchlechtesterLehrer = TSchlechtester{"GRO", 12};
  erwartet.fFachDoppeltTage = 29;
  erwartet.fLehrerTageUnterMin = 14;
  EXPECT_EQ(q, erwartet);

  // The rows of the elements add up to the figures of the school.
  const TElementQualitaet e = ElementQualitaet(fSchule, fStandard.fAktuelleWoche);
  int32_t klassen = 0, fach = 0, lehrer = 0, unter = 0;
  for (const TKlassenQualitaet& z : e.fKlassen) {
    klassen += z.fLuecken;
    fach += z.fFachDoppeltTage;
  }
  for (const TLehrerQualitaet& z : e.fLehrer) {
    lehrer += z.fLuecken;
    unter += z.fTageUnterMin;
  }
  EXPECT_EQ(static_cast<int32_t>(e.fKlassen.size()), fSchule.fKlassenMenge.ListeZahlElemente());
  EXPECT_EQ(klassen, 69);
  EXPECT_EQ(fach, 29);
  EXPECT_EQ(lehrer, 278);
  EXPECT_EQ(unter, 14);
}

TEST_F(PlanQualitaetSchulen, RealSchoolAfterTheScheduler) {
  TSkriptDialoge dialoge;
  fSchule.SetDialoge(&dialoge);
  fStandard.fMaxTageNeu = 5;
  ASSERT_EQ(TImportForm(fSchule, dialoge)
                .ImportFromFile(std::string(ORBATO_SCHULEN "/") + "sekundarschule.txt"),
            TImportErgebnis::Importiert);
  Plane();
  const TPlanQualitaet q = PlanQualitaet(fSchule, fStandard.fAktuelleWoche);
  ErwarteStimmig(q);
  EXPECT_GT(q.fStundenGesetzt, 0);
}

}  // namespace
}  // namespace orbato
