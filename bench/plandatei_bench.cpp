// Loading and saving the large demo school (150 teachers, 60 classes, about 2000 courses, four
// plan versions): the document's bytes, the whole load into a fresh document, and the save to
// disk through a flushed temporary file.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <memory>

#include "model/demo/demoschule.h"
#include "model/schnittstellen/dialoge.h"
#include "model/schnittstellen/uhr.h"
#include "persist/plandatei.h"
#include "persist/planschreiber.h"

namespace orbato {
namespace {

struct TGrosseSchule {
  TStandard standard;
  TStandardEinsetzen standardEingesetzt{standard};
  std::unique_ptr<TSchule> schule;
  std::vector<uint8_t> bytes;

  TGrosseSchule() {
    standard.SetMaxWocheNeu(4);
    schule = std::make_unique<TSchule>();
    TSchuleEinsetzen eingesetzt(*schule);
    ErzeugeDemoSchule(*schule, standard, TDemoGroesse::gross);
    bytes = TWriteForm::PlanBytes(*schule);
  }
};

const TFesteUhr kUhr(46364.5);

void BM_PlanBytesSchreiben(benchmark::State& state) {
  TGrosseSchule gross;
  TSchuleEinsetzen eingesetzt(*gross.schule);
  for (auto _ : state) benchmark::DoNotOptimize(TWriteForm::PlanBytes(*gross.schule));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * gross.bytes.size()));
}
BENCHMARK(BM_PlanBytesSchreiben)->Unit(benchmark::kMillisecond);

void BM_PlanLaden(benchmark::State& state) {
  TGrosseSchule gross;
  TSkriptDialoge dialoge;
  for (auto _ : state) {
    TGeladenerPlan plan = LadePlan(gross.bytes, "gross.orb", dialoge, kUhr);
    benchmark::DoNotOptimize(plan.schule.get());
    state.PauseTiming();
    dialoge.ProtokollLeeren();
    {
      TSchuleEinsetzen eingesetzt(*plan.schule);
      plan.schule.reset();
    }
    state.ResumeTiming();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * gross.bytes.size()));
}
BENCHMARK(BM_PlanLaden)->Unit(benchmark::kMillisecond);

void BM_PlanSichern(benchmark::State& state) {
  TGrosseSchule gross;
  TSchuleEinsetzen eingesetzt(*gross.schule);
  TSkriptDialoge dialoge;
  const auto pfad = std::filesystem::temp_directory_path() /
                    ("orbato_bench_" + std::to_string(::getpid()) + ".orb");
  for (auto _ : state) {
    TWriteForm(dialoge).WriteToFile(pfad.string());
    state.PauseTiming();
    dialoge.ProtokollLeeren();
    state.ResumeTiming();
  }
  std::filesystem::remove(pfad);
}
BENCHMARK(BM_PlanSichern)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orbato
