// The school-wide swap of two periods on the large demo school (150 teachers, 60 classes, about
// 2000 courses, four plan versions): the obstacle test, the obstacle rows, and the test with the
// exchange itself, in the current version only and in every version. Each run swaps back and
// forth, so that the plan stays the same from one iteration to the next.
#include <benchmark/benchmark.h>

#include "demobench.h"
#include "model/dokument/verlauf.h"
#include "placement/tausch.h"

namespace orbato {
namespace {

struct TGrosseSchule : TDemoBench {
  explicit TGrosseSchule(bool eineWoche) { standard.fEineWoche = eineWoche; }
};

// Monday period 2 and Wednesday period 4, both inside the demo's school day.
constexpr int32_t kTagA = 1, kStdA = 2, kTagB = 3, kStdB = 4;

void BM_TauschBehinderung(benchmark::State& state) {
  TGrosseSchule gross(state.range(0) == 1);
  for (auto _ : state) {
    benchmark::DoNotOptimize(TauschBehinderung(gross.schule, kTagA, kStdA, kStdB, kTagB));
  }
  // With an obstacle the test stops at the first one; without, it reads every course.
  state.counters["behindert"] = TauschBehinderung(gross.schule, kTagA, kStdA, kStdB, kTagB);
}
BENCHMARK(BM_TauschBehinderung)->Arg(1)->Arg(0)->ArgNames({"eineWoche"});

void BM_TauschKonflikte(benchmark::State& state) {
  TGrosseSchule gross(state.range(0) == 1);
  for (auto _ : state) {
    benchmark::DoNotOptimize(TauschKonflikte(gross.schule, kTagA, kStdA, kStdB, kTagB));
  }
  state.counters["Zeilen"] =
      static_cast<double>(TauschKonflikte(gross.schule, kTagA, kStdA, kStdB, kTagB).size());
}
BENCHMARK(BM_TauschKonflikte)->Arg(1)->Arg(0)->ArgNames({"eineWoche"});

// One swap per iteration as the plan window makes it: the test, then the exchange, recorded as a
// step of the history.
void BM_Tausch(benchmark::State& state) {
  TGrosseSchule gross(state.range(0) == 1);
  bool hin = true;
  int64_t stunden = 0;
  for (auto _ : state) {
    const int32_t tagA = hin ? kTagA : kTagB, stdA = hin ? kStdA : kStdB;
    const int32_t tagB = hin ? kTagB : kTagA, stdB = hin ? kStdB : kStdA;
    benchmark::DoNotOptimize(TauschBehinderung(gross.schule, tagA, stdA, stdB, tagB));
    {
      TVerlaufSchritt schritt(gross.schule);
      TauscheAlleStunden(gross.schule, tagA, stdA, stdB, tagB);
    }
    // Freeing the step belongs to its cost; keeping thousands of them would not.
    gross.schule.fVerlauf.Leeren();
    hin = !hin;
  }
  for (const TKurs* k : gross.schule.fKursMenge) {
    for (const TSetzung* s : k->fSetzungen) {
      const bool inA = s->fTag == kTagA && s->fStunde == kStdA;
      const bool inB = s->fTag == kTagB && s->fStunde == kStdB;
      if ((inA || inB) && (state.range(0) == 0 || s->fWoche == 1)) ++stunden;
    }
  }
  state.counters["Stunden"] = static_cast<double>(stunden);
}
BENCHMARK(BM_Tausch)->Arg(1)->Arg(0)->ArgNames({"eineWoche"})->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orbato
