// The consistency check over the large demo school (150 teachers, 60 classes, about 2000 courses,
// four plan versions): every grid rebuilt, every back-reference and every pair of a class's
// courses looked at. The school is consistent, so every run does the same work.
#include <benchmark/benchmark.h>

#include "checks/fehlerausgabe.h"
#include "checks/pruefungen.h"
#include "model/demo/demoschule.h"
#include "model/dokument/schule.h"
#include "model/schnittstellen/dialoge.h"

namespace orbato {
namespace {

void BM_KonsistenzTest(benchmark::State& state) {
  TStandard standard;
  TStandardEinsetzen standardEingesetzt(standard);
  TSchule schule;
  TSchuleEinsetzen schuleEingesetzt(schule);
  ErzeugeDemoSchule(schule, standard, TDemoGroesse::gross);
  TSkriptDialoge dialoge;
  TFehlerSammlung fehler;
  for (auto _ : state) {
    benchmark::DoNotOptimize(KonsistenzTest(schule, dialoge, fehler));
  }
  state.counters["Zeilen"] = static_cast<double>(fehler.Zeilen().size());
}
BENCHMARK(BM_KonsistenzTest)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orbato
