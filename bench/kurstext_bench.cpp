// The course exchange file of the large demo school (150 teachers, 60 classes, about 2000
// courses, four plan versions, all selected): writing its bytes, and the three passes of the
// import into a fresh document, both in memory.
#include <benchmark/benchmark.h>

#include <memory>

#include "model/demo/demoschule.h"
#include "model/dokument/schule.h"
#include "model/schnittstellen/dialoge.h"
#include "persist/kursexport.h"
#include "persist/kursimport.h"

namespace orbato {
namespace {

struct TGrosseSchule {
  TStandard standard;
  TStandardEinsetzen standardEingesetzt{standard};
  TSchule schule;
  std::vector<uint8_t> bytes;

  TGrosseSchule() {
    {
      TSchuleEinsetzen eingesetzt(schule);
      ErzeugeDemoSchule(schule, standard, TDemoGroesse::gross);
    }
    standard.fEineWoche = false;
    bytes = KursExportBytes(schule);
  }
};

void BM_KursExport(benchmark::State& state) {
  TGrosseSchule gross;
  for (auto _ : state) benchmark::DoNotOptimize(KursExportBytes(gross.schule));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * gross.bytes.size()));
}
BENCHMARK(BM_KursExport)->Unit(benchmark::kMillisecond);

void BM_KursImport(benchmark::State& state) {
  TGrosseSchule gross;
  TSkriptDialoge dialoge;
  for (auto _ : state) {
    auto schule = std::make_unique<TSchule>();
    benchmark::DoNotOptimize(
        TImportForm(*schule, dialoge).ImportFromBytes(gross.bytes, "gross.txt"));
    state.PauseTiming();
    dialoge.ProtokollLeeren();
    schule.reset();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * gross.bytes.size()));
}
BENCHMARK(BM_KursImport)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orbato
