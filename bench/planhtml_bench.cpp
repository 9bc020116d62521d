// The timetable information system of the large demo school: the whole export into a new folder,
// and the pages alone without the file system. The folders of all runs are removed only at the
// end: files deleted just before slow down the creation of new ones on ext4, which a planner
// exporting once never meets.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "demobench.h"
#include "html/planhtml.h"

namespace orbato {
namespace {

void BM_PlanHTMLExport(benchmark::State& state) {
  TDemoBench demo;
  demo.standard.fSchulname = "Gesamtschule am Stadtpark";
  const std::filesystem::path basis = std::filesystem::temp_directory_path() /
                                      ("orbato_planhtml_bench_" + std::to_string(::getpid()));
  std::filesystem::remove_all(basis);
  std::filesystem::create_directories(basis);
  int lauf = 0;
  std::size_t dateien = 0;
  for (auto _ : state) {
    const std::filesystem::path ordner = basis / std::to_string(++lauf);
    if (!PlanHTMLExport(demo.schule, ordner.string(), demo.dialoge)) {
      state.SkipWithError("Ordner nicht erstellt");
      break;
    }
    state.PauseTiming();
    dateien =
        static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(ordner), {}));
    demo.dialoge.ProtokollLeeren();
    state.ResumeTiming();
  }
  std::filesystem::remove_all(basis);
  state.counters["Dateien"] = static_cast<double>(dateien);
}
BENCHMARK(BM_PlanHTMLExport)->Unit(benchmark::kMillisecond);

void BM_PlanHTMLSeiten(benchmark::State& state) {
  TDemoBench demo;
  std::size_t bytes = 0;
  for (auto _ : state) {
    const TPlanHTML plan(demo.schule);
    bytes = plan.AlleKurse().Bytes().size();
    for (TKuerzelArt art : TPlanHTML::kArten) {
      bytes += plan.Liste(art).Bytes().size();
      const auto anzahl = static_cast<int32_t>(plan.Elemente(art).size());
      for (int32_t nr = 1; nr <= anzahl; ++nr) bytes += plan.Element(art, nr).Bytes().size();
    }
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["Bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_PlanHTMLSeiten)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orbato
