// The substitution window of one day on the large demo school: the rows of 40 records of that day
// built anew, as every change of a record does, while the document keeps the records of ten other
// weeks as well.
#include <benchmark/benchmark.h>

#include <stdexcept>

#include "demobench.h"
#include "model/vertretung/kalender.h"
#include "substitution/vertretungsform.h"

namespace orbato {
namespace {

constexpr TDatumZeit kMontag = 46090.5;  // 2026-03-09
constexpr int kAmTag = 40;

// Records of the first 40 lessons of Monday, and of the same lessons in the ten weeks before.
struct TTagesSchule : TDemoBench {
  TTagesSchule() {
    standard.fMaxTageNeu = 5;
    const int32_t woche = PlanVersionAm(kMontag);
    int n = 0;
    for (TKurs* k : schule.fKursMenge) {
      for (TSetzung* s : k->fSetzungen) {
        if (n == kAmTag || s->fWoche != woche || s->fTag != 1) continue;
        for (int zurueck = 0; zurueck <= 10; ++zurueck) {
          NeueVertretung(*k, *s, kMontag - 7 * zurueck);
        }
        ++n;
      }
    }
    if (n != kAmTag) throw std::logic_error("too few lessons on Monday");
  }
};

void BM_TagesZeilen(benchmark::State& state) {
  TTagesSchule s;
  TVertretungsForm form(s.schule, s.standard, kMontag);
  form.Oeffnen();
  if (form.Zeilen().size() != kAmTag) throw std::logic_error("rows missing");
  for (auto _ : state) {
    form.Aufbauen();
    benchmark::DoNotOptimize(form.Zeilen().data());
  }
  state.counters["Zeilen"] = static_cast<double>(form.Zeilen().size());
  state.counters["Vertretungen"] = s.schule.fVertretungsMenge.ListeZahlElemente();
}
BENCHMARK(BM_TagesZeilen)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orbato
