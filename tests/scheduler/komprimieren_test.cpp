#include "scheduler/komprimieren.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "model/demo/demoschule.h"
#include "model/schnittstellen/dialoge.h"
#include "model/schulfixture.h"

namespace orbato {
namespace {

// Every placement of the school: course, version, day, period, room, fixed; in a fixed order so
// that two states of the plan compare as a whole.
using TStand = std::tuple<uint64_t, int32_t, int32_t, int32_t, std::string, bool>;

std::vector<TStand> Plan(const TSchule& schule) {
  std::vector<TStand> plan;
  for (const TKurs* k : schule.fKursMenge) {
    for (const TSetzung* s : k->fSetzungen) {
      plan.emplace_back(k->fLaufNr, s->fWoche, s->fTag, s->fStunde,
                        s->fRaum ? s->fRaum->fKuerzel.str() : std::string(), s->fFixiert);
    }
  }
  std::sort(plan.begin(), plan.end());
  return plan;
}

// The periods at which the course has hours on a day, in ascending order.
std::vector<int32_t> Stunden(const TKurs* kurs, int32_t woche, int32_t tag) {
  std::vector<int32_t> stunden;
  for (int32_t s = 1; s <= 16; ++s) {
    if (kurs->SetzungFinden(woche, tag, s)) stunden.push_back(s);
  }
  return stunden;
}

// Five school days, nine periods shown, two plan versions of which the first is current. The
// compression also fills the free periods above a short day's end, and so spreads hours over the
// free days; a test class is therefore blocked after its first `tage` days.
class KomprimierenTest : public SchulTest {
 protected:
  KomprimierenTest() { fSchule.SetDialoge(&fDialoge); }

  TKlasse* Klasse(std::string_view name, int32_t tage = 1) {
    TKlasse* k = fSchule.HoleKlasse(name);
    Tage(k, tage);
    return k;
  }
  static void Tage(TKlasse* k, int32_t tage) {
    for (int32_t tag = 1; tag <= 7; ++tag) k->fSperrung.SetWocheTagStd(0, tag, tag > tage, 0);
  }
  // A course of the class with one hour per cell given, placed there.
  TKurs* Stunde(TKlasse* klasse, std::initializer_list<std::pair<int32_t, int32_t>> zellen,
                TRaum* raum = nullptr) {
    TKurs* kurs = Kurs(nullptr, klasse, static_cast<int32_t>(zellen.size()), raum);
    for (auto [tag, std] : zellen) Setze(kurs, 1, tag, std, raum);
    return kurs;
  }
  // The course is blocked everywhere but in the cells given.
  static void NurIn(TKurs* kurs, std::initializer_list<std::pair<int32_t, int32_t>> zellen) {
    kurs->fSperrung.SetWocheTagStd(0, 0, true, 0);
    for (auto [tag, std] : zellen) kurs->fSperrung.SetWocheTagStd(0, tag, false, std);
  }
  static int32_t Hohl(const TKlasse* klasse, int32_t woche = 1) {
    int32_t maxim = 0;
    std::array<int32_t, 8> maximum{};
    return klasse->HohlStunden(woche, maxim, maximum);
  }
  // A staircase on Monday: period 1 free, then n hours of which the one in period i + 1 may go
  // only to period i, each in a room of its own. Closing the gap takes a chain of n moves.
  std::vector<TKurs*> Treppe(int32_t n) {
    std::vector<TKurs*> kurse;
    for (int32_t i = 1; i <= n; ++i) {
      TRaum* raum = fSchule.HoleRaum("R" + std::to_string(i));
      TKurs* k = Stunde(f5a, {{1, i + 1}}, raum);
      NurIn(k, {{1, i}, {1, i + 1}});
      kurse.push_back(k);
    }
    return kurse;
  }
  // The run as the window's "Start" does it, counting the closing of the window.
  void Lauf(TKomprimierung& komp) {
    komp.fSchliessen = [this] { ++fGeschlossen; };
    komp.StartKnopfClick();
  }

  TSkriptDialoge fDialoge;
  bool fEckdaten =
      (fStandard.fMaxWocheNeu = 2, fStandard.fMaxTageNeu = 5, fStandard.fPlnStd = 9, true);
  TKlasse* f5a = Klasse("5a");
  int fGeschlossen = 0;
};

TEST_F(KomprimierenTest, AsksBeforeMovingHours) {
  fDialoge.Antworte("Nein");
  EXPECT_FALSE(KompWarnung(fDialoge));
  EXPECT_TRUE(KompWarnung(fDialoge));
  const auto fragen = fDialoge.Protokoll(TDialogVorgang::Frage);
  ASSERT_EQ(fragen.size(), 2u);
  EXPECT_EQ(fragen[0].fTitel, "Komprimieren");
  EXPECT_EQ(fragen[0].fZeilen, (std::vector<std::string>{"Beim Komprimieren werden",
                                                         "Stunden in den Pl\xE4nen verschoben.",
                                                         "Soll trotzdem komprimiert werden?"}));
  EXPECT_EQ(fragen[0].fKnoepfe, (std::vector<std::string>{"Ja", "Nein"}));
}

// Seven moves are the longest chain: the staircase of seven closes, every hour one period down
// and in its own room; the staircase of eight stays exactly as it was.
TEST_F(KomprimierenTest, ChainsOfSevenMovesCloseAndChainsOfEightDoNot) {
  const std::vector<TKurs*> sieben = Treppe(7);
  fSchule.SetDirty(false);
  TKomprimierung komp(fSchule);
  EXPECT_EQ(komp.HohlStunden(), 1);
  komp.KompressKlasse(1);
  EXPECT_TRUE(komp.Erfolgreich());
  EXPECT_EQ(komp.HohlStunden(), 0);
  for (int32_t i = 1; i <= 7; ++i) {
    const TKurs* k = sieben[static_cast<std::size_t>(i - 1)];
    EXPECT_EQ(Stunden(k, 1, 1), std::vector<int32_t>{i});
    EXPECT_EQ(k->SetzungFinden(1, 1, i)->fRaum, fSchule.HoleRaum("R" + std::to_string(i)));
  }
  EXPECT_TRUE(fSchule.IsDirty());

  for (TKurs* k : sieben) fSchule.KursEntfernen(k);
  Treppe(8);
  const auto vorher = Plan(fSchule);
  for (bool grenze : {true, false}) {
    TKomprimierung acht(fSchule);
    acht.fGrenzeNutzen = grenze;
    acht.KompressKlasse(1);
    EXPECT_FALSE(acht.Erfolgreich());
    EXPECT_EQ(acht.HohlStunden(), 1);
    EXPECT_EQ(Plan(fSchule), vorher);
  }
}

// A failed chain puts back every placement with its room and fixing, the hours of other classes
// included, and a run that closes nothing is one pass.
TEST_F(KomprimierenTest, AFailedRunLeavesEveryPlacementAsItWas) {
  Treppe(8);
  TKlasse* f6a = Klasse("6a");
  TKurs* fest = Stunde(f6a, {{1, 1}, {1, 4}}, fSchule.HoleRaum("R1"));
  fest->SetzungFinden(1, 1, 4)->fFixiert = true;
  const auto vorher = Plan(fSchule);
  TKomprimierung komp(fSchule);
  Lauf(komp);
  EXPECT_EQ(Plan(fSchule), vorher);
  EXPECT_EQ(komp.Durchgaenge(), 1);
  EXPECT_EQ(komp.Verschiebungen(), 0);
  EXPECT_TRUE(komp.KeinErfolg());
  EXPECT_EQ(fGeschlossen, 1);
  EXPECT_FALSE(komp.StartAn());
  EXPECT_EQ(komp.Klasse(), f5a);
}

// The candidate test: an hour of the class that is neither coupled nor fixed, that builds no
// bridge and breaks no block unless allowed, and fits the gap without any obstacle.
TEST_F(KomprimierenTest, OnlyFreeUnfixedUncoupledHoursAreCandidates) {
  Tage(f5a, 2);
  TKurs* a = Stunde(f5a, {{1, 1}});
  TKurs* gekoppelt = Stunde(f5a, {{1, 3}});
  gekoppelt->KopplungErgaenzen(fSchule.HoleKopplung("REL5"));
  TKurs* fest = Stunde(f5a, {{1, 4}});
  fest->SetzungFinden(1, 1, 4)->fFixiert = true;
  TKurs* doppel = Stunde(f5a, {{1, 5}, {1, 6}});
  TKurs* bruecke = Stunde(f5a, {{1, 7}, {2, 3}});
  TKurs* gesperrt = Stunde(f5a, {{2, 5}});
  gesperrt->fSperrung.SetWocheTagStd(1, 1, true, 2);
  TKomprimierung komp(fSchule);
  // the gap: Monday period 2
  EXPECT_EQ(komp.Kandidat(1, 1, 1, 1, 2), a);
  EXPECT_EQ(komp.Kandidat(1, 1, 3, 1, 2), nullptr);
  EXPECT_EQ(komp.Kandidat(1, 1, 4, 1, 2), nullptr);
  EXPECT_EQ(komp.Kandidat(1, 1, 5, 1, 2), nullptr);
  EXPECT_EQ(komp.Kandidat(1, 1, 6, 1, 2), nullptr);
  EXPECT_EQ(komp.Kandidat(1, 1, 7, 1, 2), bruecke);  // the same day builds no bridge
  EXPECT_EQ(komp.Kandidat(1, 2, 3, 1, 2), nullptr);
  EXPECT_EQ(komp.Kandidat(1, 2, 5, 1, 2), nullptr);
  EXPECT_EQ(komp.Kandidat(1, 2, 4, 1, 2), nullptr);  // nothing there
  fStandard.fKompMehrfach = true;
  EXPECT_EQ(komp.Kandidat(1, 1, 5, 1, 2), doppel);
  EXPECT_EQ(komp.Kandidat(1, 1, 6, 1, 2), doppel);
  EXPECT_EQ(komp.Kandidat(1, 2, 3, 1, 2), nullptr);
  fStandard.fKompBruecken = true;
  EXPECT_EQ(komp.Kandidat(1, 2, 3, 1, 2), bruecke);
  EXPECT_EQ(komp.Kandidat(1, 1, 3, 1, 2), nullptr);
  EXPECT_EQ(komp.Kandidat(1, 1, 4, 1, 2), nullptr);
}

// The only hour that could close the gap is a coupled one, or the day's last one is fixed and so
// does not count as its end: nothing moves.
TEST_F(KomprimierenTest, CoupledAndFixedHoursStayWhereTheyAre) {
  Stunde(f5a, {{1, 1}});
  TKurs* gekoppelt = Stunde(f5a, {{1, 3}});
  gekoppelt->KopplungErgaenzen(fSchule.HoleKopplung("REL5"));
  TKlasse* f6a = Klasse("6a");
  Stunde(f6a, {{1, 1}});
  TKurs* fest = Stunde(f6a, {{1, 4}});
  fest->SetzungFinden(1, 1, 4)->fFixiert = true;
  Stunde(f6a, {{1, 3}});
  const auto vorher = Plan(fSchule);
  EXPECT_EQ(Hohl(f5a), 1);
  EXPECT_EQ(Hohl(f6a), 1);
  TKomprimierung komp(fSchule);
  Lauf(komp);
  EXPECT_EQ(Hohl(f5a), 1);
  EXPECT_EQ(Stunden(gekoppelt, 1, 1), std::vector<int32_t>{3});
  // 6a: the unfixed hour of period 3 ends the day and closes the gap; the fixed one stays.
  EXPECT_EQ(Hohl(f6a), 0);
  EXPECT_EQ(Stunden(fest, 1, 1), std::vector<int32_t>{4});
  EXPECT_NE(Plan(fSchule), vorher);
}

// Tuesday's last hour could fill Monday's gap, but its course is on Monday already.
TEST_F(KomprimierenTest, BridgesOnlyWhenAllowed) {
  Tage(f5a, 2);
  TKurs* k = Stunde(f5a, {{1, 1}, {2, 2}});
  TKurs* a = Stunde(f5a, {{1, 3}});
  NurIn(a, {{1, 3}});
  TKurs* b = Stunde(f5a, {{2, 1}});
  NurIn(b, {{2, 1}});
  const auto vorher = Plan(fSchule);
  TKomprimierung ohne(fSchule);
  Lauf(ohne);
  EXPECT_EQ(Plan(fSchule), vorher);
  EXPECT_EQ(Hohl(f5a), 1);

  fStandard.fKompBruecken = true;
  TKomprimierung mit(fSchule);
  Lauf(mit);
  EXPECT_EQ(Hohl(f5a), 0);
  EXPECT_EQ(Stunden(k, 1, 1), (std::vector<int32_t>{1, 2}));
  EXPECT_EQ(Stunden(k, 1, 2), std::vector<int32_t>{});
}

TEST_F(KomprimierenTest, DoublePeriodsStayWholeUnlessAllowed) {
  Stunde(f5a, {{1, 1}});
  TKurs* doppel = Stunde(f5a, {{1, 3}, {1, 4}});
  const auto vorher = Plan(fSchule);
  TKomprimierung ohne(fSchule);
  Lauf(ohne);
  EXPECT_EQ(Plan(fSchule), vorher);

  fStandard.fKompMehrfach = true;
  TKomprimierung mit(fSchule);
  Lauf(mit);
  EXPECT_EQ(Hohl(f5a), 0);
  EXPECT_EQ(Stunden(doppel, 1, 1), (std::vector<int32_t>{2, 3}));
}

// Periods 1 and 2 are free before the first lesson: both are gaps, and both are filled, the
// latest hour first; the rooms go with the hours.
TEST_F(KomprimierenTest, FreePeriodsBeforeTheFirstLessonAreGaps) {
  TRaum* r1 = fSchule.HoleRaum("R1");
  TRaum* r2 = fSchule.HoleRaum("R2");
  TKurs* a = Stunde(f5a, {{1, 3}}, r1);
  TKurs* b = Stunde(f5a, {{1, 4}}, r2);
  EXPECT_EQ(Hohl(f5a), 2);
  EXPECT_EQ(SchulHohlStunden(fSchule), 2);
  TKomprimierung komp(fSchule);
  Lauf(komp);
  EXPECT_EQ(Hohl(f5a), 0);
  EXPECT_EQ(Stunden(a, 1, 1), std::vector<int32_t>{1});
  EXPECT_EQ(Stunden(b, 1, 1), std::vector<int32_t>{2});
  EXPECT_EQ(a->SetzungFinden(1, 1, 1)->fRaum, r1);
  EXPECT_EQ(b->SetzungFinden(1, 1, 2)->fRaum, r2);
  EXPECT_FALSE(r1->fBesetzung.GetWocheTagStd(1, 1, 3));
  EXPECT_TRUE(r2->fBesetzung.GetWocheTagStd(1, 1, 2));
  // Two passes: the first closed both gaps, the second found nothing.
  EXPECT_EQ(komp.Durchgaenge(), 2);
  EXPECT_EQ(komp.Verschiebungen(), 2);
}

// A course of 5a and 5b sits in period 3. Compressing 5a pulls it up into 5a's gap, which closes
// 5b's too; 5b, whose Tuesday ends later, then pushes it down into the free period 3 of its short
// Monday and back again, closing a "gap" both times. Every pass does that dance again, so the run
// ends once a pass no longer lowers the count: after the second.
TEST_F(KomprimierenTest, ARunEndsWhenAPassNoLongerLowersTheCount) {
  TKlasse* f5b = Klasse("5b", 2);
  Stunde(f5a, {{1, 1}});
  Stunde(f5b, {{1, 1}});
  TKurs* beide = Stunde(f5a, {{1, 3}});
  beide->KlasseErgaenzen(f5b);
  beide->BesetzungAbstimmen(*f5b);
  TKopplung* ko = fSchule.HoleKopplung("KO");
  for (int32_t s = 1; s <= 4; ++s) Stunde(f5b, {{2, s}})->KopplungErgaenzen(ko);
  EXPECT_EQ(SchulHohlStunden(fSchule), 2);
  int gezeigt = 0;
  TKomprimierung komp(fSchule);
  komp.fZeigen = [&] { ++gezeigt; };
  Lauf(komp);
  EXPECT_EQ(SchulHohlStunden(fSchule), 0);
  EXPECT_EQ(Stunden(beide, 1, 1), std::vector<int32_t>{2});
  EXPECT_EQ(komp.Durchgaenge(), 2);
  EXPECT_EQ(komp.ZurueckGenommen(), 0);
  EXPECT_FALSE(komp.KeinErfolg());
  EXPECT_EQ(fGeschlossen, 1);
  EXPECT_GT(gezeigt, 0);
}

// Monday ends after period 2, Tuesday after 5. Filling Monday's period 4 with Tuesday's last hour
// leaves period 3 open, where no hour of the class may go: the pass made the count worse and is
// taken back.
TEST_F(KomprimierenTest, APassThatLeavesMoreGapsIsTakenBack) {
  Tage(f5a, 2);
  std::vector<TKurs*> kurse = {Stunde(f5a, {{1, 1}}), Stunde(f5a, {{1, 2}})};
  for (int32_t s = 1; s <= 5; ++s) kurse.push_back(Stunde(f5a, {{2, s}}));
  for (TKurs* k : kurse) k->fSperrung.SetWocheTagStd(1, 1, true, 3);
  const auto vorher = Plan(fSchule);
  EXPECT_EQ(SchulHohlStunden(fSchule), 0);
  TKomprimierung komp(fSchule);
  Lauf(komp);
  EXPECT_EQ(Plan(fSchule), vorher);
  EXPECT_EQ(SchulHohlStunden(fSchule), 0);
  EXPECT_EQ(komp.Durchgaenge(), 1);
  EXPECT_EQ(komp.ZurueckGenommen(), 1);
  EXPECT_EQ(komp.Verschiebungen(), 0);
  EXPECT_EQ(komp.HohlStunden(), 0);
}

// No hour goes after the last period shown: the hidden hour of Tuesday's period 8 comes up into
// Monday's period 6, not into period 7.
TEST_F(KomprimierenTest, NoHourMovesAfterTheLastPeriodShown) {
  fStandard.fPlnStd = 6;
  Tage(f5a, 2);
  for (int32_t s = 1; s <= 5; ++s) NurIn(Stunde(f5a, {{1, s}}), {{1, s}});
  NurIn(Stunde(f5a, {{2, 1}}), {{2, 1}});
  TKurs* versteckt = Stunde(f5a, {{2, 8}});
  NurIn(versteckt, {{1, 6}, {1, 7}, {2, 8}});
  EXPECT_EQ(Hohl(f5a), 6);
  TKomprimierung komp(fSchule);
  Lauf(komp);
  EXPECT_EQ(Stunden(versteckt, 1, 1), std::vector<int32_t>{6});
  EXPECT_EQ(Hohl(f5a), 0);
  for (const auto& stand : Plan(fSchule)) EXPECT_LE(std::get<3>(stand), 6);
}

// "nächste Klasse" ends the search under way after its cell and gives every further search of
// the class in that version a single cell; the next call starts afresh.
TEST_F(KomprimierenTest, NextClassCutsTheSearchesOfTheClassShort) {
  Tage(f5a, 2);
  Stunde(f5a, {{1, 1}});
  Stunde(f5a, {{1, 3}});
  Stunde(f5a, {{2, 1}});
  Stunde(f5a, {{2, 3}});
  int eingaben = 0;
  TKomprimierung komp(fSchule);
  komp.fEingaben = [&] {
    if (++eingaben == 1) komp.NaechsteKlasseClick();
  };
  komp.KompressKlasse(1);
  // Monday's search let the input in after its first cell; Tuesday's stopped after its first.
  EXPECT_EQ(eingaben, 1);
  EXPECT_EQ(Hohl(f5a), 2);
  komp.KompressKlasse(1);
  EXPECT_EQ(Hohl(f5a), 0);
}

// "Abbrechen" deep inside a chain: every move of it is taken back and the window closes; before
// "Start" it closes the window at once and the run never starts.
TEST_F(KomprimierenTest, CancelTakesBackTheChainAndClosesTheWindow) {
  Treppe(8);
  const auto vorher = Plan(fSchule);
  int eingaben = 0;
  TKomprimierung komp(fSchule);
  komp.fGrenzeNutzen = false;  // so that the search goes deep before it gives up
  komp.fEingaben = [&] {
    if (++eingaben == 300) komp.AbbrechenClick();
  };
  Lauf(komp);
  EXPECT_EQ(eingaben, 300);
  EXPECT_TRUE(komp.Abgebrochen());
  EXPECT_EQ(Plan(fSchule), vorher);
  EXPECT_EQ(fGeschlossen, 1);

  TKomprimierung vorStart(fSchule);
  int geschlossen = 0;
  vorStart.fSchliessen = [&] { ++geschlossen; };
  vorStart.AbbrechenClick();
  EXPECT_EQ(geschlossen, 1);
  EXPECT_FALSE(vorStart.StartAn());
  vorStart.StartKnopfClick();
  EXPECT_EQ(vorStart.Durchgaenge(), 0);
  EXPECT_EQ(geschlossen, 1);
}

// The school's count sums every class over the versions worked on: the current one in
// single-version mode, else all of them; each version of every class is compressed.
TEST_F(KomprimierenTest, CountsAndCompressesTheVersionsOfTheRun) {
  TKlasse* f7a = Klasse("7a");
  TKlasse* f7b = Klasse("7b");
  for (TKlasse* k : {f7a, f7b}) {
    for (int32_t w = 1; w <= 2; ++w) {
      TKurs* kurs = Kurs(nullptr, k, 0);
      kurs->fStunden.SetWochenStunde(w, 2);
      Setze(kurs, w, 1, 1);
      Setze(kurs, w, 1, 2 + w);  // gaps: 1 in version 1, 2 in version 2
    }
  }
  fStandard.fAktuelleWoche = 2;
  EXPECT_EQ(SchulHohlStunden(fSchule), 4);
  fStandard.fEineWoche = false;
  EXPECT_EQ(SchulHohlStunden(fSchule), 6);
  TKomprimierung komp(fSchule);
  EXPECT_EQ(komp.Version(), 1);
  EXPECT_EQ(komp.Klasse(), f5a);
  EXPECT_EQ(komp.HohlStunden(), 0);
  Lauf(komp);
  EXPECT_EQ(SchulHohlStunden(fSchule), 0);
}

// The small demo school shown with eight periods a day: the run ends and leaves no more gaps
// than it found.
TEST(KomprimierenDemo, EndsOnTheSmallDemoSchoolWithEightPeriods) {
  TStandard standard;
  TStandardEinsetzen standardEingesetzt(standard);
  TSchule schule;
  TSchuleEinsetzen schuleEingesetzt(schule);
  TSkriptDialoge dialoge;
  schule.SetDialoge(&dialoge);
  ErzeugeDemoSchule(schule, standard, TDemoGroesse::klein);
  standard.fPlnStd = 8;
  const int32_t vorher = SchulHohlStunden(schule);
  TKomprimierung komp(schule);
  bool geschlossen = false;
  komp.fSchliessen = [&] { geschlossen = true; };
  komp.StartKnopfClick();
  EXPECT_TRUE(geschlossen);
  EXPECT_LE(SchulHohlStunden(schule), vorher);
  EXPECT_LE(komp.Durchgaenge(), vorher + 1);
}

}  // namespace
}  // namespace orbato
