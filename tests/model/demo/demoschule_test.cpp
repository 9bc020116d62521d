#include "model/demo/demoschule.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>

#include "model/dokument/schule.h"
#include "persist/planschreiber.h"

namespace orbato {
namespace {

struct TDemo {
  TStandard standard;
  TStandardEinsetzen standardEingesetzt{standard};
  TSchule schule;
  TSchuleEinsetzen schuleEingesetzt{schule};
  explicit TDemo(TDemoGroesse g) { ErzeugeDemoSchule(schule, standard, g); }
};

class DemoSchule : public ::testing::TestWithParam<TDemoGroesse> {};

struct TUmfang {
  int wochen, lehrer, klassen, kurse;
};

TUmfang Erwartet(TDemoGroesse g) {
  switch (g) {
    case TDemoGroesse::klein:
      return {1, 12, 6, 106};
    case TDemoGroesse::mittel:
      return {2, 50, 20, 642};
    case TDemoGroesse::gross:
      break;
  }
  return {4, 150, 60, 1955};
}

TEST_P(DemoSchule, HasTheSizeOfItsKind) {
  TDemo demo(GetParam());
  const TUmfang e = Erwartet(GetParam());
  EXPECT_EQ(demo.standard.fMaxWocheNeu, e.wochen);
  EXPECT_EQ(demo.schule.fLehrerMenge.ListeZahlElemente(), e.lehrer);
  EXPECT_EQ(demo.schule.fKlassenMenge.ListeZahlElemente(), e.klassen);
  EXPECT_EQ(demo.schule.fKursMenge.ListeZahlElemente(), e.kurse);
  EXPECT_EQ(demo.schule.fKlassenMenge.ListeNrInhalt(1)->fKuerzel, "5a");
  EXPECT_FALSE(demo.schule.IsDirty());
  for (const TLehrer* l : demo.schule.fLehrerMenge) {
    EXPECT_EQ(l->fLetzteAenderung, 46235.5);
    EXPECT_GE(l->GetSoll(1), 16) << l->fKuerzel.str();
    EXPECT_LE(l->GetSoll(1), 31) << l->fKuerzel.str();
  }
}

TEST_P(DemoSchule, IsTheSameEveryTime) {
  std::vector<uint8_t> erste, zweite;
  {
    TDemo demo(GetParam());
    erste = TWriteForm::PlanBytes(demo.schule);
  }
  {
    TDemo demo(GetParam());
    zweite = TWriteForm::PlanBytes(demo.schule);
  }
  EXPECT_EQ(erste, zweite);
}

// No teacher or room twice in a cell of a plan version, a class twice only within one coupling,
// nothing in a blocked cell, and about half of all lessons placed.
TEST_P(DemoSchule, PlacesWithoutCollisions) {
  TDemo demo(GetParam());
  std::map<std::tuple<int, int, int, const void*>, const TKurs*> belegt;
  int stunden = 0, gesetzt = 0;
  for (const TKurs* k : demo.schule.fKursMenge) {
    stunden += k->fStunden.GetWochenStunde(0);
    for (const TSetzung* s : k->fSetzungen) {
      ++gesetzt;
      const auto zelle = [&](const void* e) {
        return std::make_tuple(s->fWoche, s->fTag, s->fStunde, e);
      };
      ASSERT_TRUE(belegt.emplace(zelle(k->fLehrer), k).second) << k->fLehrer->fKuerzel.str();
      ASSERT_NE(s->fRaum, nullptr);
      ASSERT_TRUE(k->HatRaum(s->fRaum));
      ASSERT_TRUE(belegt.emplace(zelle(s->fRaum), k).second) << s->fRaum->fKuerzel.str();
      for (const TKlasse* c : k->fKlassen) {
        const auto [it, neu] = belegt.emplace(zelle(c), k);
        ASSERT_TRUE(neu || (k->fKopplung && it->second->fKopplung == k->fKopplung))
            << c->fKuerzel.str();
        ASSERT_FALSE(c->fSperrung.GetWocheTagStd(s->fWoche, s->fTag, s->fStunde));
      }
      ASSERT_FALSE(k->fLehrer->fSperrung.GetWocheTagStd(s->fWoche, s->fTag, s->fStunde));
      ASSERT_FALSE(s->fRaum->fSperrung.GetWocheTagStd(s->fWoche, s->fTag, s->fStunde));
    }
  }
  EXPECT_GT(gesetzt * 10, stunden * 3);
  EXPECT_LT(gesetzt * 10, stunden * 7);
}

// What the plan file's reader rebuilds must already be so: teachers list the subjects they
// teach, and a course's first class is the earliest of its classes.
TEST_P(DemoSchule, IsAsTheReaderWouldRebuildIt) {
  TDemo demo(GetParam());
  for (const TKurs* k : demo.schule.fKursMenge) {
    ASSERT_NE(k->fLehrer, nullptr);
    EXPECT_NE(k->fLehrer->fFaecher.ListeElemNr(k->fFach), 0);
    EXPECT_TRUE(k->fStunden.StundenGleich());
    for (const TKlasse* c : k->fKlassen) EXPECT_LE(k->ErsteKlasse()->fReihe, c->fReihe);
  }
}

INSTANTIATE_TEST_SUITE_P(Groessen, DemoSchule,
                         ::testing::Values(TDemoGroesse::klein, TDemoGroesse::mittel,
                                           TDemoGroesse::gross));

}  // namespace
}  // namespace orbato
