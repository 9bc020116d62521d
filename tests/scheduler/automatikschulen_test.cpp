// The scheduler, its repair pass and the compression on whole schools: the demo schools and two
// real schools in the exchange format. After each step no hard rule is broken, and taking the
// journal back restores the plan as it was; neither the scheduler nor the repair pass makes a
// double period across a missing link of a rating table.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>

#include "model/demo/demoschule.h"
#include "model/dokument/undo.h"
#include "model/schnittstellen/dialoge.h"
#include "persist/kursimport.h"
#include "placement/widerrufen.h"
#include "scheduler/automatik.h"
#include "scheduler/harteregeln.h"
#include "scheduler/komprimieren.h"
#include "scheduler/nachbessern.h"
#include "scheduler/schulfall.h"

namespace orbato {
namespace {

class AutomatikSchulen : public SchulFallTest {
 protected:
  void SetUp() override {
    SchulFallTest::SetUp();
    fSchule.fProtokoll = &fProtokoll;
  }
  void TearDown() override { fSchule.fProtokoll = nullptr; }

  TUndoProtokoll fProtokoll;
};

TEST_P(AutomatikSchulen, BreaksNoHardRuleAndTheJournalTakesItAllBack) {
  const TPlanStand vorher = PlanStand(fSchule);
  const int32_t woche = fStandard.fAktuelleWoche;
  const TDoppelStunden bloecke = DoppelStunden(fSchule, woche);
  ASSERT_EQ(HarteRegelFehler(fSchule, woche), std::vector<std::string>{});
  const std::vector<TKurs*> alle(fSchule.fKursMenge.begin(), fSchule.fKursMenge.end());
  TAutomatik automatik(alle);
  automatik.Rechne();
  EXPECT_EQ(HarteRegelFehler(fSchule, woche), std::vector<std::string>{});
  int32_t offen = 0;
  for (const TKurs* k : automatik.Rest()) offen += k->RestStunden(woche);
  EXPECT_EQ(automatik.NichtVerplanbar(), offen);
  EXPECT_EQ(automatik.NochZuSetzen(), 0);
  EXPECT_EQ(UnverbundeneBloecke(fSchule, woche, bloecke), std::vector<std::string>{});

  TNachbessern nachbessern(automatik.AlleKurse());
  nachbessern.fHoechstSchritte = 20000;
  nachbessern.fSaat = GetParam().saat;
  const int32_t danach = nachbessern.Rechne();
  EXPECT_LE(danach, offen);
  EXPECT_EQ(HarteRegelFehler(fSchule, woche), std::vector<std::string>{});
  EXPECT_EQ(UnverbundeneBloecke(fSchule, woche, bloecke), std::vector<std::string>{});
  automatik.RestNeuZaehlen();
  EXPECT_EQ(automatik.NichtVerplanbar(), danach);

  const int32_t luecken = SchulHohlStunden(fSchule);
  TKomprimierung komprimierung(fSchule);
  komprimierung.StartKnopfClick();
  EXPECT_LE(SchulHohlStunden(fSchule), luecken);
  EXPECT_EQ(HarteRegelFehler(fSchule, woche), std::vector<std::string>{});
  int32_t offenDanach = 0;
  for (const TKurs* k : automatik.AlleKurse()) offenDanach += std::max(0, k->RestStunden(woche));
  EXPECT_EQ(offenDanach, danach) << "compression only moves hours";

  WiderrufenProtokoll(fProtokoll);
  EXPECT_EQ(PlanStand(fSchule), vorher);
}

INSTANTIATE_TEST_SUITE_P(
    Schulen, AutomatikSchulen,
    ::testing::Values(TSchulFall{"klein1", nullptr, TDemoGroesse::klein, 1},
                      TSchulFall{"klein2", nullptr, TDemoGroesse::klein, 2},
                      TSchulFall{"mittel", nullptr, TDemoGroesse::mittel, 3},
                      TSchulFall{"dgs1", "dgs.txt", TDemoGroesse::klein, 4},
                      TSchulFall{"dgs2", "dgs.txt", TDemoGroesse::klein, 5},
                      TSchulFall{"sekundarschule1", "sekundarschule.txt", TDemoGroesse::klein, 6},
                      TSchulFall{"sekundarschule2", "sekundarschule.txt", TDemoGroesse::klein, 7}),
    [](const auto& fall) { return std::string(fall.param.name); });

// A school installed as the program's on its own, for the cases beside the table above.
struct TEigeneSchule {
  TStandard standard;
  TStandardEinsetzen standardEingesetzt{standard};
  TSchule schule;
  TSchuleEinsetzen schuleEingesetzt{schule};
  TSkriptDialoge dialoge;

  TEigeneSchule() { schule.SetDialoge(&dialoge); }

  // The scheduler and then the repair pass over every course; neither may join a course's hours
  // of a day across a missing link of its rating table, unless they stood so before. Answers the
  // hours left open by the scheduler and by the repair pass.
  std::pair<int32_t, int32_t> RechneOhneUnverbundeneBloecke(uint32_t saat) {
    const int32_t woche = standard.fAktuelleWoche;
    const TDoppelStunden bloecke = DoppelStunden(schule, woche);
    TAutomatik automatik({schule.fKursMenge.begin(), schule.fKursMenge.end()});
    automatik.Rechne();
    EXPECT_EQ(UnverbundeneBloecke(schule, woche, bloecke), std::vector<std::string>{});
    TNachbessern nachbessern(automatik.AlleKurse());
    nachbessern.fSaat = saat;
    const int32_t danach = nachbessern.Rechne();
    EXPECT_EQ(HarteRegelFehler(schule, woche), std::vector<std::string>{});
    EXPECT_EQ(UnverbundeneBloecke(schule, woche, bloecke), std::vector<std::string>{});
    return {automatik.NichtVerplanbar(), danach};
  }
};

// The large demo school, whose couplings hold a dozen courses each: the repair pass places most
// of what the scheduler left open, and a coupling's hours form no double period the rating table
// does not link.
TEST(AutomatikBloecke, LargeDemoSchool) {
  TEigeneSchule s;
  ErzeugeDemoSchule(s.schule, s.standard, TDemoGroesse::gross);
  const auto [offen, danach] = s.RechneOhneUnverbundeneBloecke(4);
  EXPECT_LT(danach, offen / 10);
}

// A real school where every second teacher has lost three cells, so that the repair pass has to
// move many hours: the hours it places keep to the links.
TEST(AutomatikBloecke, RealSchoolWithFewerFreeCells) {
  TEigeneSchule s;
  s.standard.fMaxTageNeu = 5;
  ASSERT_EQ(TImportForm(s.schule, s.dialoge)
                .ImportFromFile(std::string(ORBATO_SCHULEN "/") + "sekundarschule.txt"),
            TImportErgebnis::Importiert);
  std::mt19937 zufall(37);
  s.standard.fAuRaumUnwichtig = zufall() % 2 == 0;
  for (TLehrer* l : s.schule.fLehrerMenge) {
    if (zufall() % 2 != 0) continue;
    for (int i = 0; i < 3; ++i) {
      const auto tag = static_cast<int32_t>(1 + zufall() % 5);
      const auto std = static_cast<int32_t>(1 + zufall() % 6);
      l->fSperrung.SetWocheTagStd(s.standard.fAktuelleWoche, tag, true, std);
    }
  }
  const auto [offen, danach] = s.RechneOhneUnverbundeneBloecke(37);
  EXPECT_LT(danach, offen);
}

}  // namespace
}  // namespace orbato
