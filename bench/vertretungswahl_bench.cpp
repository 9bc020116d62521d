// The proposal window on the large demo school: a teacher with six lessons on a day is ill for
// the whole day, and the window builds its lists for his first record, as it does after every
// change: the teachers (with the check boxes on, and ordered by suitability) and the rooms.
#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>

#include "demobench.h"
#include "model/vertretung/kalender.h"
#include "substitution/fehlzeiten.h"
#include "substitution/vertretungswahl.h"

namespace orbato {
namespace {

constexpr TDatumZeit kMontag = 46090.5;  // 2026-03-09

int32_t StundenAm(const TLehrer& l, int32_t woche, int32_t tag) {
  int32_t n = 0;
  for (int32_t std = 1; std <= 16; ++std) n += l.fBesetzung.GetWocheTagStd(woche, tag, std);
  return n;
}

// The first school day from 2026-03-09 on with a teacher of six lessons, who is absent all day.
struct TWahlSchule : TDemoBench {
  TVertretung* fV = nullptr;

  TWahlSchule() {
    for (TDatumZeit datum = kMontag; datum < kMontag + 8 * 7 && !fV; ++datum) {
      if (!Schultag(datum) || Wochentag(datum) > 5) continue;
      for (TLehrer* l : schule.fLehrerMenge) {
        if (StundenAm(*l, PlanVersionAm(datum), Wochentag(datum)) != 6) continue;
        TFehlForm form(schule, standard, leh, datum);
        form.ElementHinzufuegen(l);
        form.SetStunden(0, std::string(16, '+'));
        form.Ok();
        fV = schule.fVertretungsMenge.ListeNrInhalt(1);
        break;
      }
    }
    if (fV == nullptr) throw std::logic_error("no teacher with six lessons on a day");
  }
};

// Arguments: mode (0 rooms, 1 teachers), the check boxes "freie Lehrer" and "Randstunden" (0 off,
// 1 on), "nach Eignung".
void BM_VorschlagslistenBauen(benchmark::State& state) {
  TWahlSchule gross;
  gross.standard.fVertrFreiCheck = state.range(1) != 0;
  gross.standard.fVertrRandCheck = state.range(1) != 0;
  gross.standard.fVertrNachEignung = state.range(2) != 0;
  gross.standard.fVertrLeAuswahl = 2;
  TVertretungsWahl wahl(gross.schule, gross.standard);
  wahl.Bearbeite(gross.fV);
  wahl.SetModus(state.range(0) ? TVertretungsWahl::TModus::Lehrer : TVertretungsWahl::TModus::Raum);
  for (auto _ : state) {
    wahl.Aktualisieren();
    benchmark::DoNotOptimize(wahl.Lehrer().data());
  }
  state.counters["Lehrer"] = static_cast<double>(wahl.Lehrer().size());
  state.counters["Raeume"] = static_cast<double>(wahl.Raeume().size());
  state.counters["alleLehrer"] = gross.schule.fLehrerMenge.ListeZahlElemente();
}
BENCHMARK(BM_VorschlagslistenBauen)
    ->ArgNames({"lehrer", "pruefen", "eignung"})
    ->Args({1, 0, 0})
    ->Args({1, 1, 0})
    ->Args({1, 1, 1})
    ->Args({0, 1, 0})
    ->Unit(benchmark::kMicrosecond);

// Opening the window on the record: every teacher's month balance loaded, then the lists.
void BM_VorschlagsfensterOeffnen(benchmark::State& state) {
  TWahlSchule gross;
  TVertretungsWahl wahl(gross.schule, gross.standard);
  for (auto _ : state) {
    wahl.Bearbeite(gross.fV);
    benchmark::DoNotOptimize(wahl.Lehrer().data());
  }
  state.counters["Lehrer"] = static_cast<double>(wahl.Lehrer().size());
}
BENCHMARK(BM_VorschlagsfensterOeffnen)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orbato
