// Opening the large demo school in the main window until its title and menus show: the load
// with its progress window, the short-name menus of 150 teachers and 60 classes, the palette.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include "model/demo/demoschule.h"
#include "model/schnittstellen/uhr.h"
#include "persist/planschreiber.h"
#include "platform/qsettingsspeicher.h"
#include "ui/hauptfenster/orbatopalette.h"

namespace orbato {
namespace {

// The plan file of the large school, written once.
QString GrosseSchule(const QTemporaryDir& ordner) {
  TStandard standard;
  TStandardEinsetzen eingesetzt(standard);
  standard.SetMaxWocheNeu(4);
  TSchule schule;
  TSchuleEinsetzen schuleEingesetzt(schule);
  ErzeugeDemoSchule(schule, standard, TDemoGroesse::gross);
  const std::vector<uint8_t> bytes = TWriteForm::PlanBytes(schule);
  const QString pfad = ordner.filePath(QStringLiteral("gross.orb"));
  QFile datei(pfad);
  if (datei.open(QIODevice::WriteOnly)) {
    datei.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
  }
  return pfad;
}

void BM_GrosseSchuleOeffnen(benchmark::State& state) {
  QTemporaryDir ordner;
  const QString pfad = GrosseSchule(ordner);
  TQSettingsSpeicher speicher(ordner.filePath(QStringLiteral("e.ini")));
  const TFesteUhr uhr(46364.5);
  for (auto _ : state) {
    TOrbatoPalette palette(speicher, uhr);
    palette.show();
    if (!palette.Oeffnen(pfad)) state.SkipWithError("Die Datei ließ sich nicht öffnen.");
    QApplication::processEvents();
    benchmark::DoNotOptimize(palette.windowTitle());
    state.PauseTiming();
    palette.schule().SetDirty(false);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_GrosseSchuleOeffnen)->Unit(benchmark::kMillisecond);

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
