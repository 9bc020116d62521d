// The placement engine on the large demo school (150 teachers, 60 classes, about 2000 courses,
// four plan versions): a conflict list for one cell, the marking of every cell where a course can
// go, and placing and removing one hour.
#include <benchmark/benchmark.h>

#include <random>

#include "demobench.h"
#include "placement/konfliktliste.h"
#include "placement/regeln.h"
#include "placement/setzen.h"
#include "placement/setzmenue.h"

namespace orbato {
namespace {

struct TGrosseSchule : TDemoBench {
  std::mt19937 zufall{7};

  TKurs* Kurs() {
    const int n = schule.fKursMenge.ListeZahlElemente();
    return schule.fKursMenge.ListeNrInhalt(std::uniform_int_distribution<int>(1, n)(zufall));
  }
  int Zahl(int von, int bis) { return std::uniform_int_distribution<int>(von, bis)(zufall); }
};

void BM_KonfliktListe(benchmark::State& state) {
  TGrosseSchule gross;
  gross.standard.fEineWoche = state.range(0) == 1;
  for (auto _ : state) {
    TKurs* kurs = gross.Kurs();
    TListe<TKonflikt> liste(true);
    benchmark::DoNotOptimize(FuelleKonfliktListe(*kurs, gross.Zahl(1, 5), gross.Zahl(1, 8), kurs,
                                                 kurs->fKopplung, liste, 1, 1));
  }
}
BENCHMARK(BM_KonfliktListe)->Arg(1)->Arg(0)->ArgNames({"eineWoche"});

// What the marking menu does for one course: every cell of the week tested.
void BM_SetzbareZellen(benchmark::State& state) {
  TGrosseSchule gross;
  for (auto _ : state) RechtsWahl(gross.standard, *gross.Kurs(), nullptr);
}
BENCHMARK(BM_SetzbareZellen)->Unit(benchmark::kMicrosecond);

void BM_SetzenUndEntfernen(benchmark::State& state) {
  TGrosseSchule gross;
  for (auto _ : state) {
    TKurs* kurs = gross.Kurs();
    const int tag = gross.Zahl(1, 5);
    const int std = gross.Zahl(9, 12);  // after the school day, where the demo places nothing
    if (TSetzung* s = NeueSetzung(*kurs, 1, tag, nullptr, std)) SetzungEntfernen(*kurs, s);
  }
}
BENCHMARK(BM_SetzenUndEntfernen);

}  // namespace
}  // namespace orbato
