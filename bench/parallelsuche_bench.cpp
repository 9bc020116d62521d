// The search of "Parallele Kopplungen" on a grid of 10 rows and 3 columns filled with the first
// 30 couplings of the large demo school, column by column: candidates per second, the time to the
// first arrangement without a repeated teacher, and the recount of every row.
#include <benchmark/benchmark.h>

#include "demobench.h"
#include "placement/parsuche.h"

namespace orbato {
namespace {

constexpr int32_t kZeilen = 10;
constexpr int32_t kSpalten = 3;

struct TParBench : TDemoBench {
  TParRaster raster{schule, standard, kZeilen, kSpalten};

  TParBench() {
    int32_t nr = 0;
    for (TKopplung* k : schule.fKopplMenge) {
      if (nr == kZeilen * kSpalten) break;
      raster.Setze(nr / kZeilen + 1, nr % kZeilen + 1, k);
      ++nr;
    }
  }
};

TParBench& Bench() {
  static TParBench bench;
  return bench;
}

// A fresh search per iteration, through a given number of candidates in slices of 2000, as the
// window runs it between two looks at the input.
void BM_ParSucheKandidaten(benchmark::State& state) {
  TParBench& b = Bench();
  const int64_t kandidaten = state.range(0);
  int64_t kombinationen = 0;
  for (auto _ : state) {
    TParSuche suche(b.raster);
    while (suche.Versuche() < kandidaten && suche.Weiter(2000)) {
    }
    kombinationen = suche.Kombinationen();
    benchmark::DoNotOptimize(kombinationen);
  }
  state.SetItemsProcessed(state.iterations() * kandidaten);
  state.counters["Kombinationen"] = static_cast<double>(kombinationen);
}
BENCHMARK(BM_ParSucheKandidaten)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// Up to the first arrangement found (or the end of the search when there is none).
void BM_ParSucheErsteKombination(benchmark::State& state) {
  TParBench& b = Bench();
  int64_t versuche = 0;
  for (auto _ : state) {
    TParSuche suche(b.raster);
    while (suche.Kombinationen() == 0 && suche.Weiter(1)) {
    }
    versuche = suche.Versuche();
    benchmark::DoNotOptimize(versuche);
  }
  state.counters["Versuche"] = static_cast<double>(versuche);
}
BENCHMARK(BM_ParSucheErsteKombination)->Unit(benchmark::kMicrosecond);

void BM_ParBerechneSchnitt(benchmark::State& state) {
  TParBench& b = Bench();
  for (auto _ : state) b.raster.AlleBerechnen();
  int32_t konflikte = 0;
  for (int32_t z = 1; z <= kZeilen; ++z) konflikte += b.raster.Konflikte(z);
  state.counters["Konflikte"] = konflikte;
}
BENCHMARK(BM_ParBerechneSchnitt)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orbato
