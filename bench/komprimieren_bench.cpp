// Plan compression over the large demo school (150 teachers, 60 classes, about 2000 courses, four
// plan versions, five school days): the whole run of "Start", pass after pass until a pass no
// longer lowers the gap count, in the current version (argument 1) or in all four (0); and the
// compression of a single class. Each run starts from a freshly built school, outside the timing.
#include <benchmark/benchmark.h>

#include <memory>

#include "model/basis/dialoge.h"
#include "model/demo/demoschule.h"
#include "model/dokument/schule.h"
#include "scheduler/komprimieren.h"

namespace orbato {
namespace {

struct TDemo {
  TDemo() {
    ErzeugeDemoSchule(schule, standard, TDemoGroesse::gross);
    standard.fMaxTageNeu = 5;
    schule.SetDialoge(&dialoge);
  }
  TStandard standard;
  TStandardEinsetzen standardEingesetzt{standard};
  TSchule schule;
  TSchuleEinsetzen schuleEingesetzt{schule};
  TSkriptDialoge dialoge;
};

void BM_KomprimierenAlleKlassen(benchmark::State& state) {
  int32_t vorher = 0, nachher = 0, durchgaenge = 0, zuege = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto demo = std::make_unique<TDemo>();
    demo->standard.fEineWoche = state.range(0) == 1;
    vorher = SchulHohlStunden(demo->schule);
    TKomprimierung komp(demo->schule);
    state.ResumeTiming();
    komp.StartKnopfClick();
    state.PauseTiming();
    nachher = SchulHohlStunden(demo->schule);
    durchgaenge = komp.Durchgaenge();
    zuege = komp.Verschiebungen();
    demo.reset();
    state.ResumeTiming();
  }
  state.counters["vorher"] = vorher;
  state.counters["nachher"] = nachher;
  state.counters["Durchgaenge"] = durchgaenge;
  state.counters["Verschiebungen"] = zuege;
}
BENCHMARK(BM_KomprimierenAlleKlassen)->Arg(1)->Arg(0)->Unit(benchmark::kSecond)->Iterations(1);

// The first class of the school, once, in the current version.
void BM_KompressKlasse(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto demo = std::make_unique<TDemo>();
    TKomprimierung komp(demo->schule);
    state.ResumeTiming();
    komp.KompressKlasse(demo->standard.fAktuelleWoche);
    state.PauseTiming();
    demo.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_KompressKlasse)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orbato
