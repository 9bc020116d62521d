// The substitution pages of one day of the large demo school: every fifth teacher with lessons
// that day is away all day, every other record gets a substitute, so the day has several
// dozen records (67 at the time of writing). The page is built in memory, once per grouping of
// the substitution table.
#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>

#include "demobench.h"
#include "html/vertretungshtml.h"
#include "model/vertretung/kalender.h"
#include "substitution/fehlzeiten.h"

namespace orbato {
namespace {

constexpr TDatumZeit kMontag = 46090.5;  // 2026-03-09

bool Unterrichtet(const TLehrer& l, int32_t woche, int32_t tag) {
  for (int32_t std = 1; std <= 16; ++std) {
    if (l.fBesetzung.GetWocheTagStd(woche, tag, std)) return true;
  }
  return false;
}

struct TVertretungsTag : TDemoBench {
  TDatumZeit fDatum = kMontag;

  TVertretungsTag() {
    while (!Schultag(fDatum)) fDatum += 1;
    const int32_t woche = PlanVersionAm(fDatum), tag = Wochentag(fDatum);
    TFehlForm form(schule, standard, leh, fDatum);
    int n = 0;
    for (TLehrer* l : schule.fLehrerMenge) {
      if (!Unterrichtet(*l, woche, tag) || ++n % 5 != 0) continue;
      form.ElementHinzufuegen(l);
      form.SetStunden(form.ZeileVon(l), std::string(16, '+'));
    }
    form.Ok();
    // The first teacher free in the period substitutes; every confirmation is answered "Ja".
    int i = 0;
    for (TVertretung* v : schule.fVertretungsMenge) {
      if (++i % 2 != 0) continue;
      for (TLehrer* l : schule.fLehrerMenge) {
        if (!l->fBesetzung.GetWocheTagStd(woche, tag, v->Stunde()) &&
            !l->Abwesend(v->Stunde(), fDatum)) {
          v->TrageLehrerEin(l);
          break;
        }
      }
    }
    if (schule.fVertretungsMenge.ListeZahlElemente() == 0) {
      throw std::logic_error("no records on the day");
    }
  }
};

void BM_Vertretungsplanseite(benchmark::State& state) {
  static TVertretungsTag tag;
  TVDEinstellung& e = tag.standard.fVDEinstellung[0];
  e.PlanSortierung = static_cast<int32_t>(state.range(0));
  e.MitAdHoc = true;
  std::size_t bytes = 0;
  for (auto _ : state) {
    const THTMLSeite seite = VertretungsplanSeite(tag.fDatum, 1, {"Bemerkung"});
    bytes = seite.Bytes().size();
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["Vertretungen"] =
      static_cast<double>(tag.schule.fVertretungsMenge.ListeZahlElemente());
  state.counters["Bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_Vertretungsplanseite)
    ->ArgName("Sortierung")
    ->DenseRange(0, 3)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orbato
