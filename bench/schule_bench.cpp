// Building a large school with sorted insertion into every course list, and deleting it again.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <string>

#include "model/dokument/schule.h"

namespace orbato {
namespace {

void BaueSchule(TSchule& schule, std::mt19937& zufall) {
  const auto wahl = [&](int n) { return static_cast<int>(zufall() % static_cast<unsigned>(n)); };
  for (int i = 0; i < 150; ++i) schule.HoleLehrer("L" + std::to_string(i));
  for (int i = 0; i < 60; ++i) schule.HoleKlasse("K" + std::to_string(i));
  for (int i = 0; i < 40; ++i) schule.HoleRaum("R" + std::to_string(i));
  for (int i = 0; i < 25; ++i) schule.HoleFach("F" + std::to_string(i));
  for (int i = 0; i < 30; ++i) schule.HoleKopplung("O" + std::to_string(i));
  for (int i = 0; i < 2000; ++i) {
    auto* kurs = new TKurs;
    TKopplung* kopplung = wahl(10) == 0 ? schule.fKopplMenge.ListeNrInhalt(1 + wahl(30)) : nullptr;
    kurs->IKurs(schule.fLehrerMenge.ListeNrInhalt(1 + wahl(150)),
                schule.fKlassenMenge.ListeNrInhalt(1 + wahl(60)), 1 + wahl(5),
                schule.fRaumMenge.ListeNrInhalt(1 + wahl(40)),
                schule.fFachMenge.ListeNrInhalt(1 + wahl(25)), kopplung);
  }
}

void BM_SchuleAufbauen(benchmark::State& state) {
  TStandard standard;
  TStandardEinsetzen eingesetzt(standard);
  for (auto _ : state) {
    std::mt19937 zufall(7);
    auto schule = std::make_unique<TSchule>();
    {
      TSchuleEinsetzen schuleEingesetzt(*schule);
      BaueSchule(*schule, zufall);
      benchmark::DoNotOptimize(schule->fKursMenge.ListeZahlElemente());
    }
    state.PauseTiming();  // freeing the whole document is not part of building it
    schule.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_SchuleAufbauen)->Unit(benchmark::kMillisecond);

// Deleting every element one by one with its cascade, as the short-name window does.
void BM_SchuleAbbauen(benchmark::State& state) {
  TStandard standard;
  TStandardEinsetzen eingesetzt(standard);
  for (auto _ : state) {
    state.PauseTiming();
    std::mt19937 zufall(7);
    TSchule schule;
    TSchuleEinsetzen schuleEingesetzt(schule);
    BaueSchule(schule, zufall);
    state.ResumeTiming();
    while (auto* l = schule.fLehrerMenge.ListeNrInhalt(1)) schule.LehrerLoeschen(l);
    while (auto* k = schule.fKlassenMenge.ListeNrInhalt(1)) schule.KlasseLoeschen(k);
    while (auto* r = schule.fRaumMenge.ListeNrInhalt(1)) schule.RaumLoeschen(r);
    while (auto* f = schule.fFachMenge.ListeNrInhalt(1)) schule.FachLoeschen(f);
    while (auto* o = schule.fKopplMenge.ListeNrInhalt(1)) schule.KopplungLoeschen(o);
    while (auto* k = schule.fKursMenge.ListeNrInhalt(1)) schule.KursEntfernen(k);
  }
}
BENCHMARK(BM_SchuleAbbauen)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orbato
