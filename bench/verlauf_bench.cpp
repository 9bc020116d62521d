// Undoing and redoing a whole scheduler run on the large demo school: the run places thousands
// of hours in four plan versions, and "Widerrufen" takes all of them back in one step.
// BM_Aufnahme is what recording costs the run itself.
#include <benchmark/benchmark.h>

#include <vector>

#include "demobench.h"
#include "model/kurse/kurs.h"
#include "scheduler/automatik.h"

namespace orbato {
namespace {

struct TLaufSchule : TDemoBench {
  TLaufSchule() { standard.fEineWoche = false; }
  void Automatik() {
    TAutomatik(std::vector<TKurs*>(schule.fKursMenge.begin(), schule.fKursMenge.end())).Rechne();
  }
  int32_t Setzungen() const {
    int32_t n = 0;
    for (const TKurs* k : schule.fKursMenge) n += k->fSetzungen.ListeZahlElemente();
    return n;
  }
};

void BM_WiderrufenAutomatik(benchmark::State& state) {
  TLaufSchule s;
  const int32_t vorher = s.Setzungen();
  s.Automatik();
  state.counters["gesetzt"] = s.Setzungen() - vorher;
  for (auto _ : state) {
    s.schule.fVerlauf.Widerrufen(s.schule);
    state.PauseTiming();
    s.schule.fVerlauf.Wiederherstellen(s.schule);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_WiderrufenAutomatik)->Unit(benchmark::kMillisecond);

void BM_WiederherstellenAutomatik(benchmark::State& state) {
  TLaufSchule s;
  s.Automatik();
  for (auto _ : state) {
    state.PauseTiming();
    s.schule.fVerlauf.Widerrufen(s.schule);
    state.ResumeTiming();
    s.schule.fVerlauf.Wiederherstellen(s.schule);
  }
}
BENCHMARK(BM_WiederherstellenAutomatik)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orbato
