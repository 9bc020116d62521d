// Redrawing the teachers' overview of the large demo school (150 columns, one row per day and
// period) after one hour is placed and taken away again: the cells are compared with the plans
// and only those that changed are drawn anew. Beside it the comparison alone, and the whole
// overview read and drawn anew, as after a change of the settings.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTableView>
#include <memory>

#include "grosseschule.h"
#include "placement/setzen.h"
#include "ui/plaene/uebersichtfenster.h"

namespace orbato {
namespace {

std::unique_ptr<TUeberForm> Lehreruebersicht(TGrosseSchule& g) {
  std::unique_ptr<TUeberForm> f(UeberFormOeffnen(g.schule, g.standard, leh));
  f->resize(1600, 1000);
  f->show();
  QApplication::processEvents();
  return f;
}

void BM_UebersichtNachSetzung(benchmark::State& state) {
  TGrosseSchule g;
  TKurs* kurs = g.schule.fLehrerMenge.ListeNrInhalt(1)->fKurse.ListeNrInhalt(1);
  int32_t tag = 0;
  int32_t std = 0;
  if (!FreieZelle(*kurs, tag, std)) {
    state.SkipWithError("Keine freie Zelle.");
    return;
  }
  std::unique_ptr<TUeberForm> f = Lehreruebersicht(g);
  for (auto _ : state) {
    // The window compares its cells once the command is over, and the view draws what changed.
    TSetzung* setzung = NeueSetzung(*kurs, 1, tag, nullptr, std);
    QApplication::processEvents();
    SetzungEntfernen(*kurs, setzung);
    QApplication::processEvents();
  }
  state.counters["Spalten"] = f->Spalten();
  state.counters["Zeilen"] = f->Zeilen();
  state.SetLabel("Setzen und Entfernen, je einmal abgeglichen und gezeichnet");
}
BENCHMARK(BM_UebersichtNachSetzung)->Unit(benchmark::kMillisecond);

// The comparison alone: every column read again, no cell changed.
void BM_UebersichtAbgleichen(benchmark::State& state) {
  TGrosseSchule g;
  std::unique_ptr<TUeberForm> f = Lehreruebersicht(g);
  for (auto _ : state) benchmark::DoNotOptimize(f->Abgleichen());
}
BENCHMARK(BM_UebersichtAbgleichen)->Unit(benchmark::kMillisecond);

void BM_UebersichtGanzNeu(benchmark::State& state) {
  TGrosseSchule g;
  std::unique_ptr<TUeberForm> f = Lehreruebersicht(g);
  for (auto _ : state) {
    f->FensterRefresh();
    f->Raster()->viewport()->repaint();
  }
  state.counters["Spalten"] = f->Spalten();
}
BENCHMARK(BM_UebersichtGanzNeu)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orbato

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication anwendung(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
