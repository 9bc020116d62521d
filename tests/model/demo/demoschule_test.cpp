#include "model/demo/demoschule.h"

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>
#include <string_view>
#include <tuple>

#include "model/demo/schulzeit.h"
#include "model/dokument/schule.h"
#include "persist/planschreiber.h"
#include "placement/regeln.h"

namespace orbato {
namespace {

// The school day the settings give: periods shown and days of the week.
struct TTag {
  int32_t plnStd, maxTage;
};

struct TDemo {
  TStandard standard;
  TStandardEinsetzen standardEingesetzt{standard};
  TSchule schule;
  TSchuleEinsetzen schuleEingesetzt{schule};
  TSchulzeit zeit;
  explicit TDemo(TDemoGroesse g, TTag tag = {6, 7}) : zeit{0, 0} {
    standard.fPlnStd = tag.plnStd;
    standard.fMaxTageNeu = tag.maxTage;
    zeit = TSchulzeit::Aus(standard);
    ErzeugeDemoSchule(schule, standard, g);
  }
};

struct TUmfang {
  int wochen, lehrer, klassen, kurse;
};

TUmfang Erwartet(TDemoGroesse g) {
  switch (g) {
    case TDemoGroesse::klein:
      return {1, 12, 6, 98};
    case TDemoGroesse::mittel:
      return {2, 50, 20, 503};
    case TDemoGroesse::gross:
      break;
  }
  return {4, 150, 60, 1976};
}

class DemoSchule : public ::testing::TestWithParam<TDemoGroesse> {};

TEST_P(DemoSchule, HasTheSizeOfItsKind) {
  TDemo demo(GetParam());
  const TUmfang e = Erwartet(GetParam());
  EXPECT_EQ(demo.standard.fMaxWocheNeu, e.wochen);
  EXPECT_EQ(demo.schule.fLehrerMenge.ListeZahlElemente(), e.lehrer);
  EXPECT_EQ(demo.schule.fKlassenMenge.ListeZahlElemente(), e.klassen);
  EXPECT_EQ(demo.schule.fKursMenge.ListeZahlElemente(), e.kurse);
  EXPECT_EQ(demo.schule.fKlassenMenge.ListeNrInhalt(1)->fKuerzel, "5a");
  EXPECT_FALSE(demo.schule.IsDirty());
  for (const TLehrer* l : demo.schule.fLehrerMenge) EXPECT_EQ(l->fLetzteAenderung, 46235.5);
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

// The large school in the settings as they come: six periods on five teaching days.
TEST(GrosseDemoSchule, HasAbout2000CoursesInTheDefaultDay) {
  TStandard standard;
  TStandardEinsetzen standardEingesetzt{standard};
  TSchule schule;
  TSchuleEinsetzen schuleEingesetzt{schule};
  ErzeugeDemoSchule(schule, standard, TDemoGroesse::gross);
  EXPECT_EQ(TSchulzeit::Aus(standard).Zellen(), 30);
  EXPECT_GE(schule.fKursMenge.ListeZahlElemente(), 1900);
  EXPECT_LE(schule.fKursMenge.ListeZahlElemente(), 2100);
}

// A coupling's long name and its courses in list order, each as subject, classes and hours.
std::string Kopplungskurse(const TSchule& schule, std::string_view kuerzel) {
  const TKopplung* kopplung = TSchule::HoleElement(schule.fKopplMenge, kuerzel);
  if (!kopplung) return "keine";
  std::string text = kopplung->fInfo.str() + ":";
  for (const TKurs* k : schule.fKursMenge) {
    if (k->fKopplung != kopplung) continue;
    text += " " + k->fFach->fKuerzel.str();
    for (const TKlasse* c : k->fKlassen)
      text += (c == k->fKlassen.ListeNrInhalt(1) ? " " : ",") + c->fKuerzel.str();
    text += " " + std::to_string(k->fStunden.GetWochenStunde(1));
  }
  return text;
}

int Kurszahl(const TSchule& schule, std::string_view kuerzel) {
  const TKopplung* kopplung = TSchule::HoleElement(schule.fKopplMenge, kuerzel);
  int zahl = 0;
  for (const TKurs* k : schule.fKursMenge) zahl += k->fKopplung && k->fKopplung == kopplung;
  return zahl;
}

// Its classes are divided: religion and the second language in bands of three classes, the
// sciences, art and music in half classes, the upper level in wide course blocks.
TEST(GrosseDemoSchule, HoldsItsCoursesSideBySide) {
  TDemo demo(TDemoGroesse::gross);
  EXPECT_EQ(Kopplungskurse(demo.schule, "REL7d"),
            "Religion 7d-7f: KR 7d,7e,7f 2 KR 7d,7e,7f 2 ER 7d,7e,7f 2 ER 7d,7e,7f 2 "
            "PL 7d,7e,7f 2");
  EXPECT_EQ(Kopplungskurse(demo.schule, "SPR10g"),
            "Zweite Fremdsprache 10g-10i: F 10g,10h,10i 2 F 10g,10h,10i 2 F 10g,10h,10i 2 "
            "L 10g,10h,10i 2 L 10g,10h,10i 2");
  EXPECT_EQ(Kopplungskurse(demo.schule, "REL7"), "keine");
  EXPECT_EQ(Kopplungskurse(demo.schule, "BI8a"), "Biologie in Gruppen 8a: BI 8a 1 BI 8a 1");
  EXPECT_EQ(Kopplungskurse(demo.schule, "MU5c"), "Musik in Gruppen 5c: MU 5c 1 MU 5c 1");
  EXPECT_EQ(Kurszahl(demo.schule, "EF-GK1"), 14);
  EXPECT_EQ(Kurszahl(demo.schule, "Q1-LK1"), 12);
}

// Each size for the default day of six periods in a seven-day week, for eight periods in a
// five-day week, and for five periods in a six-day week, which the school teaches in.
struct TFall {
  TDemoGroesse groesse;
  TTag tag;
  int kurse, raeume, stunden, gesetzt;  // lessons summed over all versions
  int gesperrt;                         // blocked cells within the school day, all versions
};

void PrintTo(const TFall& f, std::ostream* aus) {
  *aus << static_cast<int>(f.groesse) << ": " << f.tag.plnStd << " x " << f.tag.maxTage;
}

class DemoSchulTag : public ::testing::TestWithParam<TFall> {
 protected:
  TDemo fDemo{GetParam().groesse, GetParam().tag};
};

template <class F>
void FuerPlanElemente(const TSchule& schule, F f) {
  for (const TLehrer* l : schule.fLehrerMenge) f(*l);
  for (const TKlasse* k : schule.fKlassenMenge) f(*k);
  for (const TRaum* r : schule.fRaumMenge) f(*r);
}

TEST_P(DemoSchulTag, PlacesOnlyWithinTheSchoolDay) {
  const TFall& fall = GetParam();
  EXPECT_EQ(fDemo.zeit.stunden, fall.tag.plnStd);
  EXPECT_EQ(fDemo.zeit.tage, fall.tag.maxTage == 6 ? 6 : 5);
  int stunden = 0, gesetzt = 0;
  for (const TKurs* k : fDemo.schule.fKursMenge) {
    stunden += k->fStunden.GetWochenStunde(0);
    for (const TSetzung* s : k->fSetzungen) {
      ++gesetzt;
      ASSERT_GE(s->fTag, 1);
      ASSERT_LE(s->fTag, fDemo.zeit.tage);
      ASSERT_GE(s->fStunde, 1);
      ASSERT_LE(s->fStunde, fall.tag.plnStd);
    }
  }
  EXPECT_EQ(fDemo.schule.fKursMenge.ListeZahlElemente(), fall.kurse);
  EXPECT_EQ(fDemo.schule.fRaumMenge.ListeZahlElemente(), fall.raeume);
  EXPECT_EQ(stunden, fall.stunden);
  EXPECT_EQ(gesetzt, fall.gesetzt);
  // About half of the lessons stay open for the planner.
  EXPECT_GT(gesetzt * 10, stunden * 4);
  EXPECT_LT(gesetzt * 10, stunden * 6);
}

// Days without lessons and the periods after the last one are blocked for every teacher, class
// and room; within the school day only the young classes' afternoons, some teachers' free
// afternoons and the hall in repair.
TEST_P(DemoSchulTag, BlocksWhatLiesOutsideTheSchoolDay) {
  const TFall& fall = GetParam();
  int gesperrt = 0;
  FuerPlanElemente(fDemo.schule, [&](const TPlanElement& e) {
    for (int32_t w = 1; w <= fDemo.standard.fMaxWocheNeu; ++w) {
      for (int32_t tag = 1; tag <= 7; ++tag) {
        for (int32_t std = 1; std <= 16; ++std) {
          const bool gesperrtHier = e.fSperrung.GetWocheTagStd(w, tag, std);
          if (!fDemo.zeit.Umfasst(tag, std)) {
            ASSERT_TRUE(gesperrtHier) << e.fKuerzel.str() << " " << tag << "/" << std;
          } else if (gesperrtHier) {
            ++gesperrt;
          }
        }
      }
    }
  });
  EXPECT_EQ(gesperrt, fall.gesperrt);
  for (const TKlasse* k : fDemo.schule.fKlassenMenge) {
    for (int32_t tag = fDemo.zeit.tage + 1; tag <= 7; ++tag) {
      EXPECT_EQ(k->SVZeile(1, tag), "SSSSSSSSSSSSSSSS") << k->fKuerzel.str();
    }
  }
}

// The placement rules refuse every cell outside the school day to every course.
TEST_P(DemoSchulTag, RefusesPlacementsOutsideTheSchoolDay) {
  for (const TKurs* k : fDemo.schule.fKursMenge) {
    for (int32_t tag = 1; tag <= 7; ++tag) {
      for (int32_t std = 1; std <= 16; ++std) {
        if (fDemo.zeit.Umfasst(tag, std)) continue;
        ASSERT_FALSE(SetzungPossible(*k, 0, tag, nullptr, std)) << tag << "/" << std;
        ASSERT_TRUE(k->IstGesperrt(1, tag, k->ErsterRaum(), std));
      }
    }
  }
}

// No teacher or room twice in a cell of a plan version, a class twice only within one coupling,
// nothing in a blocked cell.
TEST_P(DemoSchulTag, PlacesWithoutCollisions) {
  std::map<std::tuple<int, int, int, const void*>, const TKurs*> belegt;
  for (const TKurs* k : fDemo.schule.fKursMenge) {
    for (const TSetzung* s : k->fSetzungen) {
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
      }
      ASSERT_FALSE(k->IstGesperrt(s->fWoche, s->fTag, s->fRaum, s->fStunde));
    }
  }
}

// Every class, teacher and room has its lessons within nine tenths of its free cells, a class
// counting each coupling once; the targets are what the classes have and about what the
// teachers teach, and fit as well.
TEST_P(DemoSchulTag, FitsIntoTheFreeCells) {
  const TSchulzeit& zeit = fDemo.zeit;
  for (int32_t w = 1; w <= fDemo.standard.fMaxWocheNeu; ++w) {
    for (const TKlasse* k : fDemo.schule.fKlassenMenge) {
      const int32_t stunden = k->StundenSumme(w, false, kla);
      EXPECT_LE(stunden * 10, FreieZellen(*k, zeit) * 9) << k->fKuerzel.str();
      EXPECT_EQ(k->GetSoll(w), stunden) << k->fKuerzel.str();
    }
    for (const TLehrer* l : fDemo.schule.fLehrerMenge) {
      const int32_t stunden = l->StundenSumme(w, true, leh);
      EXPECT_LE(stunden * 10, FreieZellen(*l, zeit) * 9) << l->fKuerzel.str();
      EXPECT_GE(l->GetSoll(w), stunden) << l->fKuerzel.str();
      EXPECT_LE(l->GetSoll(w), Platz(*l, zeit)) << l->fKuerzel.str();
    }
    for (const TRaum* r : fDemo.schule.fRaumMenge) {
      int32_t stunden = 0;
      for (const TKurs* k : r->fKurse) {
        EXPECT_EQ(k->fRaeume.ListeZahlElemente(), 1);
        stunden += k->fStunden.GetWochenStunde(w);
      }
      EXPECT_LE(stunden * 10, FreieZellen(*r, zeit) * 9) << r->fKuerzel.str();
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Tage, DemoSchulTag,
    ::testing::Values(TFall{TDemoGroesse::klein, {6, 7}, 98, 15, 204, 111, 6},
                      TFall{TDemoGroesse::klein, {8, 5}, 102, 15, 238, 129, 26},
                      TFall{TDemoGroesse::klein, {5, 6}, 98, 15, 204, 111, 4},
                      TFall{TDemoGroesse::mittel, {6, 7}, 503, 47, 1942, 990, 44},
                      TFall{TDemoGroesse::mittel, {8, 5}, 573, 46, 2408, 1229, 164},
                      TFall{TDemoGroesse::mittel, {5, 6}, 503, 47, 1942, 1015, 24},
                      TFall{TDemoGroesse::gross, {6, 7}, 1976, 144, 12976, 6602, 248},
                      TFall{TDemoGroesse::gross, {8, 5}, 2121, 144, 16316, 8150, 968},
                      TFall{TDemoGroesse::gross, {5, 6}, 1976, 144, 12976, 6587, 128}));

}  // namespace
}  // namespace orbato
