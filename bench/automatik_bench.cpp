// The scheduler's greedy pass and its repair pass on the two real schools of tests/data/schulen
// (imported with 5 days of 6 periods) and on the large demo school. Each run starts from the
// school as read; the counters give the share of hours placed and the hours left open.
//
// BM_Verteilung compares the two ways of treating a week whose single and double hours came out
// wrong (keep it, or take the week back) with the distribution check switched on.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "model/demo/demoschule.h"
#include "model/dokument/schule.h"
#include "model/kurse/kurs.h"
#include "model/schnittstellen/dialoge.h"
#include "persist/kursimport.h"
#include "scheduler/automatik.h"
#include "scheduler/nachbessern.h"
#include "scheduler/wochensetzung.h"

namespace orbato {
namespace {

const char* const kSchulen[] = {"dgs.txt", "sekundarschule.txt", nullptr};

// A school installed as the program's, fresh for every run.
struct TBenchSchule {
  TStandard standard;
  TStandardEinsetzen standardEingesetzt{standard};
  std::unique_ptr<TSchule> schule = std::make_unique<TSchule>();
  TSchuleEinsetzen schuleEingesetzt{*schule};
  TSkriptDialoge dialoge;

  explicit TBenchSchule(int64_t nr) {
    schule->SetDialoge(&dialoge);
    if (kSchulen[nr] == nullptr) {
      ErzeugeDemoSchule(*schule, standard, TDemoGroesse::gross);
      return;
    }
    standard.fMaxTageNeu = 5;
    TImportForm(*schule, dialoge).ImportFromFile(std::string(ORBATO_SCHULEN "/") + kSchulen[nr]);
  }

  std::vector<TKurs*> Kurse() const {
    return {schule->fKursMenge.begin(), schule->fKursMenge.end()};
  }
  int32_t Stunden() const {
    int32_t n = 0;
    for (const TKurs* k : schule->fKursMenge) {
      if (!k->fNichtVerplanen) n += k->fStunden.GetWochenStunde(standard.fAktuelleWoche);
    }
    return n;
  }
  int32_t Offen() const {
    int32_t n = 0;
    for (const TKurs* k : schule->fKursMenge) {
      if (!k->fNichtVerplanen) n += std::max(0, k->RestStunden(standard.fAktuelleWoche));
    }
    return n;
  }
};

void Zaehler(benchmark::State& state, const TBenchSchule& s) {
  state.counters["Stunden"] = s.Stunden();
  state.counters["offen"] = s.Offen();
  state.counters["Anteil%"] = 100.0 * (s.Stunden() - s.Offen()) / std::max(1, s.Stunden());
}

// One run from the school as read: the greedy pass, with `nachbessern` then the repair pass.
void Lauf(benchmark::State& state, bool nachbessern) {
  for (auto _ : state) {
    state.PauseTiming();
    auto s = std::make_unique<TBenchSchule>(state.range(0));
    state.ResumeTiming();
    TAutomatik automatik(s->Kurse());
    automatik.Rechne();
    if (nachbessern) TNachbessern(automatik.AlleKurse()).Rechne();
    state.PauseTiming();
    Zaehler(state, *s);
    s.reset();
    state.ResumeTiming();
  }
}

void BM_Automatik(benchmark::State& state) {
  Lauf(state, false);
}
BENCHMARK(BM_Automatik)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void BM_AutomatikMitNachbessern(benchmark::State& state) {
  Lauf(state, true);
}
BENCHMARK(BM_AutomatikMitNachbessern)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// range(0): the school; range(1): 0 keeps a wrong week, 1 takes it back.
void BM_Verteilung(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto s = std::make_unique<TBenchSchule>(state.range(0));
    s->standard.fAuEinzelUnwichtig = false;
    state.ResumeTiming();
    TAutomatik automatik(s->Kurse());
    automatik.fVerteilung =
        state.range(1) ? TVerteilungsPruefung::Zuruecknehmen : TVerteilungsPruefung::Behalten;
    automatik.Rechne();
    state.PauseTiming();
    Zaehler(state, *s);
    int falsch = 0;
    for (const TKurs* k : s->schule->fKursMenge) {
      if (!k->fNichtVerplanen && !VerteilungStimmt(*k, s->standard.fAktuelleWoche)) ++falsch;
    }
    state.counters["falscheWochen"] = falsch;
    s.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_Verteilung)
    ->ArgsProduct({{0, 1, 2}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace
}  // namespace orbato
