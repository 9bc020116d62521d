// Plan compression over the large demo school (150 teachers, 60 classes, about 2000 courses, four
// plan versions, five school days): the whole run of "Start", pass after pass until a pass no
// longer lowers the gap count, in the current version (argument 1) or in all four (0); and the
// compression of a single class. Each run starts from a freshly built school, outside the timing.
// BM_KomprimierenSchule does the whole run on the two real schools of tests/data/schulen, imported
// with five days and planned by the scheduler outside the timing, without bridges (argument 0) and
// with bridges and broken blocks (1).
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "model/demo/demoschule.h"
#include "model/dokument/schule.h"
#include "model/schnittstellen/dialoge.h"
#include "persist/kursimport.h"
#include "scheduler/automatik.h"
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

const char* const kSchulen[] = {"dgs.txt", "sekundarschule.txt"};

struct TEchteSchule {
  explicit TEchteSchule(const char* datei) {
    schule.SetDialoge(&dialoge);
    standard.fMaxTageNeu = 5;
    TImportForm(schule, dialoge).ImportFromFile(std::string(ORBATO_SCHULEN "/") + datei);
    TAutomatik automatik({schule.fKursMenge.begin(), schule.fKursMenge.end()});
    automatik.Rechne();
  }
  TStandard standard;
  TStandardEinsetzen standardEingesetzt{standard};
  TSchule schule;
  TSchuleEinsetzen schuleEingesetzt{schule};
  TSkriptDialoge dialoge;
};

void BM_KomprimierenSchule(benchmark::State& state) {
  int32_t vorher = 0, nachher = 0, zuege = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto schule = std::make_unique<TEchteSchule>(kSchulen[state.range(0)]);
    schule->standard.fKompBruecken = state.range(1) == 1;
    schule->standard.fKompMehrfach = state.range(1) == 1;
    vorher = SchulHohlStunden(schule->schule);
    TKomprimierung komp(schule->schule);
    state.ResumeTiming();
    komp.StartKnopfClick();
    state.PauseTiming();
    nachher = SchulHohlStunden(schule->schule);
    zuege = komp.Verschiebungen();
    schule.reset();
    state.ResumeTiming();
  }
  state.SetLabel(kSchulen[state.range(0)]);
  state.counters["vorher"] = vorher;
  state.counters["nachher"] = nachher;
  state.counters["Verschiebungen"] = zuege;
}
BENCHMARK(BM_KomprimierenSchule)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace
}  // namespace orbato
