// "Optimieren" on two real schools and the large demo school, each after the scheduler and its
// repair pass with the default settings, with the default weights: the figures of the plan before
// and after as counters, the time of the search alone. The search ends by itself or at its time
// limit (10 s for the real schools, 60 s for the large school).
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "model/demo/demoschule.h"
#include "model/dokument/schule.h"
#include "model/schnittstellen/dialoge.h"
#include "persist/kursimport.h"
#include "scheduler/automatik.h"
#include "scheduler/nachbessern.h"
#include "scheduler/optimierung.h"
#include "scheduler/planqualitaet.h"

namespace orbato {
namespace {

struct TSchulPlan {
  explicit TSchulPlan(const char* datei) {
    schule.SetDialoge(&dialoge);
    standard.fMaxTageNeu = 5;
    if (datei) {
      TImportForm(schule, dialoge).ImportFromFile(std::string(ORBATO_SCHULEN "/") + datei);
    } else {
      ErzeugeDemoSchule(schule, standard, TDemoGroesse::gross);
      standard.fMaxTageNeu = 5;
    }
    const std::vector<TKurs*> alle(schule.fKursMenge.begin(), schule.fKursMenge.end());
    TAutomatik automatik(alle);
    automatik.Rechne();
    TNachbessern(alle).Rechne();
  }
  TStandard standard;
  TStandardEinsetzen standardEingesetzt{standard};
  TSchule schule;
  TSchuleEinsetzen schuleEingesetzt{schule};
  TSkriptDialoge dialoge;
};

void Zaehle(benchmark::State& state, const std::string& wann, const TPlanQualitaet& q) {
  state.counters["Klassenluecken_" + wann] = q.fKlassenLueckenSumme;
  state.counters["Lehrerluecken_" + wann] = q.fLehrerLueckenSumme;
  state.counters["LehrerMax_" + wann] =
      q.fSchlechtesterLehrer ? q.fSchlechtesterLehrer->fLuecken : 0;
  state.counters["LehrerUeber2_" + wann] = q.fLehrerUeberGrenze;
  state.counters["FachDoppelt_" + wann] = q.fFachDoppeltTage;
  state.counters["gesetzt_" + wann] = q.fStundenGesetzt;
  state.counters["hart_" + wann] = q.fHarteVerletzungen + q.fUnverbundeneBloecke;
}

void Optimieren(benchmark::State& state, const char* datei, double sekunden) {
  for (auto _ : state) {
    state.PauseTiming();
    auto plan = std::make_unique<TSchulPlan>(datei);
    const int32_t woche = plan->standard.fAktuelleWoche;
    Zaehle(state, "vorher", PlanQualitaet(plan->schule, woche));
    TOptimierung optimierung({plan->schule.fKursMenge.begin(), plan->schule.fKursMenge.end()},
                             plan->standard.fOptimieren);
    optimierung.fSekunden = sekunden;
    state.ResumeTiming();
    optimierung.Rechne();
    state.PauseTiming();
    Zaehle(state, "nachher", PlanQualitaet(plan->schule, woche));
    state.counters["SpaeteBeginne_vorher"] = optimierung.Vorher().fSpaeteBeginne;
    state.counters["SpaeteBeginne_nachher"] = optimierung.Nachher().fSpaeteBeginne;
    plan.reset();
    state.ResumeTiming();
  }
}

void BM_OptimierenDgs(benchmark::State& state) {
  Optimieren(state, "dgs.txt", 10);
}
void BM_OptimierenSekundarschule(benchmark::State& state) {
  Optimieren(state, "sekundarschule.txt", 10);
}
void BM_OptimierenGross(benchmark::State& state) {
  Optimieren(state, nullptr, 60);
}
BENCHMARK(BM_OptimierenDgs)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(BM_OptimierenSekundarschule)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(BM_OptimierenGross)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
}  // namespace orbato
