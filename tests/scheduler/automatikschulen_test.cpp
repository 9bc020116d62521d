// The scheduler and its repair pass on whole schools: the demo schools and two real schools in
// the exchange format. After each step no hard rule is broken, and taking the journal back
// restores the plan as it was.
#include <gtest/gtest.h>

#include <string>

#include "model/basis/dialoge.h"
#include "model/demo/demoschule.h"
#include "model/dokument/undo.h"
#include "persist/kursimport.h"
#include "placement/widerrufen.h"
#include "scheduler/automatik.h"
#include "scheduler/harteregeln.h"
#include "scheduler/nachbessern.h"

namespace orbato {
namespace {

struct TSchulFall {
  const char* name;
  const char* datei;  // exchange file, or none for a demo school
  TDemoGroesse groesse;
  uint32_t saat;
};

class AutomatikSchulen : public ::testing::TestWithParam<TSchulFall> {
 protected:
  void SetUp() override {
    fSchule.SetDialoge(&fDialoge);
    const TSchulFall& fall = GetParam();
    if (fall.datei) {
      fStandard.fMaxTageNeu = 5;
      ASSERT_EQ(TImportForm(fSchule, fDialoge)
                    .ImportFromFile(std::string(ORBATO_SCHULEN "/") + fall.datei),
                TImportErgebnis::Importiert);
    } else {
      ErzeugeDemoSchule(fSchule, fStandard, fall.groesse);
    }
    fSchule.fProtokoll = &fProtokoll;
  }

  void TearDown() override { fSchule.fProtokoll = nullptr; }

  TStandard fStandard;
  TStandardEinsetzen fStandardEingesetzt{fStandard};
  TSchule fSchule;
  TSchuleEinsetzen fSchuleEingesetzt{fSchule};
  TSkriptDialoge fDialoge;
  TUndoProtokoll fProtokoll;
};

TEST_P(AutomatikSchulen, BreaksNoHardRuleAndTheJournalTakesItAllBack) {
  const TPlanStand vorher = PlanStand(fSchule);
  const int32_t woche = fStandard.fAktuelleWoche;
  ASSERT_EQ(HarteRegelFehler(fSchule, woche), std::vector<std::string>{});
  const std::vector<TKurs*> alle(fSchule.fKursMenge.begin(), fSchule.fKursMenge.end());
  TAutomatik automatik(alle);
  automatik.Rechne();
  EXPECT_EQ(HarteRegelFehler(fSchule, woche), std::vector<std::string>{});
  int32_t offen = 0;
  for (const TKurs* k : automatik.Rest()) offen += k->RestStunden(woche);
  EXPECT_EQ(automatik.NichtVerplanbar(), offen);
  EXPECT_EQ(automatik.NochZuSetzen(), 0);

  TNachbessern nachbessern(automatik.AlleKurse());
  nachbessern.fHoechstSchritte = 20000;
  nachbessern.fSaat = GetParam().saat;
  const int32_t danach = nachbessern.Rechne();
  EXPECT_LE(danach, offen);
  EXPECT_EQ(HarteRegelFehler(fSchule, woche), std::vector<std::string>{});
  automatik.RestNeuZaehlen();
  EXPECT_EQ(automatik.NichtVerplanbar(), danach);

  WiderrufenProtokoll(fProtokoll);
  EXPECT_EQ(PlanStand(fSchule), vorher);
}

INSTANTIATE_TEST_SUITE_P(Schulen, AutomatikSchulen,
                         ::testing::Values(TSchulFall{"klein", nullptr, TDemoGroesse::klein, 1},
                                           TSchulFall{"mittel", nullptr, TDemoGroesse::mittel, 2},
                                           TSchulFall{"dgs", "dgs.txt", TDemoGroesse::klein, 3},
                                           TSchulFall{"sekundarschule", "sekundarschule.txt",
                                                      TDemoGroesse::klein, 4}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orbato
