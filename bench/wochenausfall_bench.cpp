// The weekly cancellation report on the large demo school, with the upper-level classes named as
// the report knows them and the substitution records and class absences of ten weeks: the week
// reported and nine before it, so that every placement's records hold dates the report passes
// over.
#include <benchmark/benchmark.h>

#include <string>

#include "demobench.h"
#include "model/kurse/kurs.h"
#include "model/vertretung/kalender.h"
#include "substitution/wochenausfall.h"

namespace orbato {
namespace {

constexpr int kKW = 10, kJahr = 2026;

struct TAusfallSchule : TDemoBench {
  TAusfallSchule() {
    for (TKlasse* k : schule.fKlassenMenge) {
      const std::string& name = k->fKuerzel.str();
      if (name == "EFa" || name == "Q1a" || name == "Q2a") k->fKuerzel = name.substr(0, 2);
    }
    const TDatumZeit montag = *IsoWochenMontag(kKW, kJahr);
    for (int woche = 0; woche < 10; ++woche) {
      const TDatumZeit wochenMontag = montag - 7 * woche;
      Vertretungen(wochenMontag, woche);
      Abwesenheiten(wochenMontag, woche);
    }
  }

  // Every seventh course's lessons of the week, with the kinds of records a school has: a
  // substitute, none, EVA, a changed group, a room change, one not in force.
  void Vertretungen(TDatumZeit montag, int woche) {
    const int32_t version = PlanVersionAm(montag);
    TLehrer* erster = schule.fLehrerMenge.ListeNrInhalt(1);
    int n = 0;
    for (TKurs* k : schule.fKursMenge) {
      if (++n % 7 != woche % 7) continue;
      for (TSetzung* s : k->fSetzungen) {
        if (s->fWoche != version) continue;
        auto* v = new TVertretung;
        v->fKurs = k;
        v->fSetzung = s;
        v->fDatum = montag + s->fTag - 1 + 0.5;
        switch (n % 6) {
          case 0:
            v->fLehrer = erster;
            break;
          case 1:
            break;
          case 2:
            v->fSInfo = "EVA";
            break;
          case 3:
            v->fSInfo = "Teilnahme am Unterricht der 9b";
            break;
          case 4:
            v->fLehrer = k->fLehrer;
            break;
          default:
            v->fGueltig = false;
        }
        s->fVertretungen.ListeAnhaengen(v);
        schule.fVertretungsMenge.ListeAnhaengen(v);
      }
    }
  }

  // Every ninth class on each day, for the first four periods or the whole day.
  void Abwesenheiten(TDatumZeit montag, int woche) {
    int n = 0;
    for (TKlasse* k : schule.fKlassenMenge) {
      ++n;
      for (int tag = 1; tag <= standard.fMaxTageNeu; ++tag) {
        if ((n + tag + woche) % 9 != 0) continue;
        auto* f = new TFehl;
        f->fElement = k;
        f->fDatum = montag + tag - 1 + 0.5;
        f->fZeit = tag % 2 == 0 ? 0xF000 : 0xFFFF;
        schule.fFehlKlassenMenge.ListeAnhaengen(f);
      }
    }
  }
};

void BM_WochenAusfall(benchmark::State& state) {
  TAusfallSchule gross;
  state.counters["Vertretungen"] = gross.schule.fVertretungsMenge.ListeZahlElemente();
  state.counters["Abwesenheiten"] = gross.schule.fFehlKlassenMenge.ListeZahlElemente();
  state.counters["Kurse"] = gross.schule.fKursMenge.ListeZahlElemente();
  for (auto _ : state) benchmark::DoNotOptimize(WochenAusfall(gross.schule, kKW, kJahr));
}
BENCHMARK(BM_WochenAusfall)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orbato
