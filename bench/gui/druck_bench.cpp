// Printing the large demo school: recording every teacher plan on the page recorder (the part a
// print dialog's "Ok" and "Ansehen" wait for; goal under 200 ms) and writing the recorded pages as
// a PDF file, as `orbato drucken` and "als PDF sichern..." do.
#include <benchmark/benchmark.h>

#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include "../demobench.h"
#include "print/druckauftrag.h"
#include "print/druckermass.h"
#include "print/plandruck.h"
#include "print/prevprinter.h"

namespace orbato {
namespace {

void BM_LehrerplaeneAufzeichnen(benchmark::State& state) {
  TDemoBench demo;
  const TDruckAuftrag auftrag{demo.schule, demo.standard, {}, 0, {}, {}};
  TPrevPrinter drucker(demo.dialoge, PdfMass());
  for (auto _ : state) {
    LehrerplaeneDrucken(drucker, auftrag);
    demo.dialoge.ProtokollLeeren();
  }
  state.counters["Seiten"] = drucker.GetPageCount();
  state.counters["Lehrer"] = demo.schule.fLehrerMenge.ListeZahlElemente();
}
BENCHMARK(BM_LehrerplaeneAufzeichnen)->Unit(benchmark::kMillisecond);

void BM_LehrerplaeneAlsPdf(benchmark::State& state) {
  TDemoBench demo;
  const TDruckAuftrag auftrag{demo.schule, demo.standard, {}, 0, {}, {}};
  TPrevPrinter drucker(demo.dialoge, PdfMass());
  LehrerplaeneDrucken(drucker, auftrag);
  QTemporaryDir ordner;
  const QString pfad = ordner.filePath(QStringLiteral("lehrerplaene.pdf"));
  for (auto _ : state) {
    auto pdf = PdfDrucker(pfad, QPageLayout::Portrait, drucker.Title());
    if (!drucker.PrintIt(*pdf)) state.SkipWithError("PDF nicht geschrieben");
    pdf.reset();
    demo.dialoge.ProtokollLeeren();
  }
  state.counters["Seiten"] = drucker.GetPageCount();
  state.counters["KB"] = QFileInfo(pfad).size() / 1024.0;
}
BENCHMARK(BM_LehrerplaeneAlsPdf)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orbato

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication anwendung(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
