#include <benchmark/benchmark.h>

#include "model/einstellungen/standard.h"
#include "model/woche/wochbereich.h"

namespace orbato {
namespace {

// Every benchmark runs on the largest layout: 54 versions, 7 days.
struct Volle {
  Volle() : einsetzen(standard) {
    standard.fMaxWocheNeu = kMaxWochen;
    standard.fMaxTageNeu = 7;
    standard.fEineWoche = false;
  }
  TStandard standard;
  TStandardEinsetzen einsetzen;
};

void BM_GetWocheTagStd_EineWoche(benchmark::State& state) {
  Volle v;
  TWochBereich b;
  b.SetWocheTagStd(17, 3, true, 5);
  int tag = 1;
  for (auto _ : state) {
    benchmark::DoNotOptimize(b.GetWocheTagStd(17, tag, 5));
    tag = tag == 7 ? 1 : tag + 1;
  }
}
BENCHMARK(BM_GetWocheTagStd_EineWoche);

// The worst case of the OR over versions: the cell is set in none, so all 54 are read.
void BM_GetWocheTagStd_AlleWochen(benchmark::State& state) {
  Volle v;
  TWochBereich b;
  int tag = 1;
  for (auto _ : state) {
    benchmark::DoNotOptimize(b.GetWocheTagStd(0, tag, 5));
    tag = tag == 7 ? 1 : tag + 1;
  }
}
BENCHMARK(BM_GetWocheTagStd_AlleWochen);

void BM_SetWocheTagStd_EineWoche(benchmark::State& state) {
  Volle v;
  TWochBereich b;
  bool wert = true;
  for (auto _ : state) {
    b.SetWocheTagStd(17, 3, wert, 5);
    wert = !wert;
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_SetWocheTagStd_EineWoche);

void BM_SetWocheTagStd_AlleWochen(benchmark::State& state) {
  Volle v;
  TWochBereich b;
  bool wert = true;
  for (auto _ : state) {
    b.SetWocheTagStd(0, 3, wert, 5);
    wert = !wert;
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_SetWocheTagStd_AlleWochen);

void BM_OrBereich(benchmark::State& state) {
  Volle v;
  TWochBereich ziel;
  TWochBereich quelle;
  quelle.SetWocheTagStd(0, 2, true, 0);
  for (auto _ : state) {
    ziel.OrBereich(quelle);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_OrBereich);

// Equal ranges, so every version and day is compared.
void BM_GleichBereich(benchmark::State& state) {
  Volle v;
  TWochBereich b;
  b.SetWocheTagStd(0, 0, true, 3);
  for (auto _ : state) benchmark::DoNotOptimize(b.GleichBereich());
}
BENCHMARK(BM_GleichBereich);

}  // namespace
}  // namespace orbato
