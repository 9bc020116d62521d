// Redrawing document windows of the large demo school after a change: a teacher's, a class's and
// a room's plan after one hour is placed and taken away again (both redraw the plans the hour
// touches), and "alle Kurse" recomputed, as it is after every change in the course window.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTableView>
#include <QTableWidget>
#include <memory>

#include "grosseschule.h"
#include "placement/setzen.h"
#include "ui/plaene/planfenster.h"
#include "ui/stammdaten/deputatfenster.h"

namespace orbato {
namespace {

void BM_PlanNachSetzung(benchmark::State& state) {
  TGrosseSchule g;
  TLehrer* lehrer = g.schule.fLehrerMenge.ListeNrInhalt(1);
  TKurs* kurs = lehrer->fKurse.ListeNrInhalt(1);
  int32_t tag = 0;
  int32_t std = 0;
  if (!FreieZelle(*kurs, tag, std)) {
    state.SkipWithError("Keine freie Zelle.");
    return;
  }
  std::unique_ptr<TPlnForm> plaene[] = {
      std::unique_ptr<TPlnForm>(PlanFensterOeffnen(g.schule, g.standard, lehrer)),
      std::unique_ptr<TPlnForm>(PlanFensterOeffnen(g.schule, g.standard, kurs->ErsteKlasse()))};
  for (auto& p : plaene) {
    p->resize(700, 400);
    p->show();
  }
  QApplication::processEvents();
  for (auto _ : state) {
    TSetzung* setzung = NeueSetzung(*kurs, 1, tag, nullptr, std);
    for (auto& p : plaene) p->Raster()->viewport()->repaint();
    SetzungEntfernen(*kurs, setzung);
    for (auto& p : plaene) p->Raster()->viewport()->repaint();
  }
  state.SetLabel("Setzen und Entfernen, je zwei Pläne neu gezeichnet");
}
BENCHMARK(BM_PlanNachSetzung)->Unit(benchmark::kMillisecond);

void BM_AlleKurseNeuBerechnen(benchmark::State& state) {
  TGrosseSchule g;
  std::unique_ptr<TDepForm> alle(AlleKurseOeffnen(g.schule, g.standard));
  alle->resize(800, 600);
  alle->show();
  QApplication::processEvents();
  for (auto _ : state) {
    alle->FensterRefresh();
    alle->Tabelle()->viewport()->repaint();
  }
  state.counters["Kurse"] = alle->Zeilen();
}
BENCHMARK(BM_AlleKurseNeuBerechnen)->Unit(benchmark::kMillisecond);

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
