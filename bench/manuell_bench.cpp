// The manual-planning window on the large demo school: rebuilding the obstacles of every cell
// for a course of the widest coupling, as the window does after every action. With the move tool
// the obstacles of every course of the coupling are collected, with the place tool only those of
// the courses with lessons left.
#include <benchmark/benchmark.h>

#include "demobench.h"
#include "model/elemente/kopplung.h"
#include "placement/manuell.h"

namespace orbato {
namespace {

struct TGrosseSchule : TDemoBench {
  // A course of the coupling with the most courses.
  TKurs* KursDerBreitestenKopplung() const {
    const TKopplung* breiteste = nullptr;
    for (const TKopplung* k : schule.fKopplMenge) {
      if (breiteste == nullptr ||
          k->fKurse.ListeZahlElemente() > breiteste->fKurse.ListeZahlElemente())
        breiteste = k;
    }
    return breiteste->fKurse.ListeNrInhalt(1);
  }
};

void BM_ZellKonflikte(benchmark::State& state) {
  TGrosseSchule gross;
  gross.standard.fEineWoche = state.range(0) == 1;
  TManuellForm form(gross.schule, gross.standard);
  TKurs* kurs = gross.KursDerBreitestenKopplung();
  form.IManuellForm({kurs}, false);
  gross.schule.SetToolArt(state.range(1) == 1 ? SchiebTool : SetzTool);
  state.counters["Kopplungskurse"] = kurs->fKopplung->fKurse.ListeZahlElemente();
  state.counters["Zellen"] = gross.standard.fMaxTageNeu * gross.standard.fPlnStd;
  for (auto _ : state) form.Neuaufbau();
}
BENCHMARK(BM_ZellKonflikte)
    ->Args({1, 1})
    ->Args({1, 0})
    ->Args({0, 1})
    ->ArgNames({"eineWoche", "schieben"})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orbato
