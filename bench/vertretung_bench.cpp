// Substitution work on the large demo school: a teacher with six lessons on a day is ill for the
// whole day and well again, and a substitute is entered into one of his records and taken out
// again. With "alte" the document also keeps the records of ten earlier weeks, about 2400, which
// every look-up of a date and period walks past.
#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>

#include "demobench.h"
#include "model/basis/zeichensatz.h"
#include "model/vertretung/fehl.h"
#include "model/vertretung/kalender.h"
#include "substitution/fehlzeiten.h"

namespace orbato {
namespace {

constexpr TDatumZeit kMontag = 46090.5;  // 2026-03-09
const std::string kGanzerTag(16, '+');
const std::string kKeineStunde(16, '-');

int32_t StundenAm(const TLehrer& l, int32_t woche, int32_t tag) {
  int32_t n = 0;
  for (int32_t std = 1; std <= 16; ++std) n += l.fBesetzung.GetWocheTagStd(woche, tag, std);
  return n;
}

// The first school day from Monday, 2026-03-09 on, on which a teacher has exactly six lessons in
// the plan version of that day (the demo plan is placed only in part), and that teacher.
struct TVertretungsSchule : TDemoBench {
  TDatumZeit fDatum = 0;
  int32_t fWoche = 0, fTag = 0;
  TLehrer* fKrank = nullptr;

  TVertretungsSchule() {
    for (TDatumZeit datum = kMontag; datum < kMontag + 8 * 7 && !fKrank; ++datum) {
      if (!Schultag(datum) || Wochentag(datum) > 5) continue;
      for (TLehrer* l : schule.fLehrerMenge) {
        if (StundenAm(*l, PlanVersionAm(datum), Wochentag(datum)) != 6) continue;
        fDatum = datum;
        fWoche = PlanVersionAm(datum);
        fTag = Wochentag(datum);
        fKrank = l;
        break;
      }
    }
    if (fKrank == nullptr) throw std::logic_error("no teacher with six lessons on a day");
  }

  // The records a school keeps: those of every seventh course's lessons in the ten weeks before.
  void AlteVertretungen() {
    int n = 0;
    for (TKurs* k : schule.fKursMenge) {
      if (++n % 7 != 0) continue;
      for (TSetzung* s : k->fSetzungen) {
        for (int woche = 1; woche <= 10; ++woche) {
          const TDatumZeit datum = fDatum - fTag + s->fTag - 7 * woche;
          if (PlanVersionAm(datum) == s->fWoche) NeueVertretung(*k, *s, datum);
        }
      }
    }
  }

  std::string Label() const {
    return Utf8AusCp1252(fKrank->fKuerzel.str()) + " Tag " + std::to_string(GanzerTag(fDatum)) +
           " Version " + std::to_string(fWoche);
  }

  // A teacher who is free in the period, gives lessons that day and is not blocked, so that no
  // question is asked; with `eigeneStunde` one who has a lesson of his own then instead.
  TLehrer* Vertreter(const TVertretung& v, bool eigeneStunde) const {
    for (TLehrer* l : schule.fLehrerMenge) {
      if (l == fKrank || l->fSperrung.GetWocheTagStd(fWoche, fTag, v.Stunde())) continue;
      if (StundenAm(*l, fWoche, fTag) == 0) continue;
      if (l->fBesetzung.GetWocheTagStd(fWoche, fTag, v.Stunde()) == eigeneStunde) return l;
    }
    throw std::logic_error("no substitute");
  }
};

// The absence window: a row for the teacher, every period, "Ok"; then sixteen "-" and "Ok".
void BM_FehlzeitFensterEintragenUndLoeschen(benchmark::State& state) {
  TVertretungsSchule gross;
  if (state.range(0)) gross.AlteVertretungen();
  for (auto _ : state) {
    TFehlForm eintragen(gross.schule, gross.standard, leh, gross.fDatum);
    eintragen.ElementHinzufuegen(gross.fKrank);
    eintragen.SetStunden(0, kGanzerTag);
    eintragen.Ok();
    TFehlForm loeschen(gross.schule, gross.standard, leh, gross.fDatum);
    loeschen.SetStunden(0, kKeineStunde);
    loeschen.Ok();
  }
  state.counters["danach"] = gross.schule.fVertretungsMenge.ListeZahlElemente();
  state.SetLabel(gross.Label());
}
BENCHMARK(BM_FehlzeitFensterEintragenUndLoeschen)
    ->ArgName("alte")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond);

// The same through the record, the way the window's "Ok" applies a row.
void BM_FehlzeitEintragenUndLoeschen(benchmark::State& state) {
  TVertretungsSchule gross;
  if (state.range(0)) gross.AlteVertretungen();
  TListe<TFehl>& menge = gross.schule.fFehlLehrerMenge;
  int64_t mitFehlzeit = 0;
  for (auto _ : state) {
    auto* f = new TFehl;
    f->SetElement(gross.fKrank);
    f->SetDatum(gross.fDatum);
    menge.ListeAnhaengen(f);
    f->SetHilfe(0xFFFF);
    f->AendereVertretung();
    mitFehlzeit = gross.schule.fVertretungsMenge.ListeZahlElemente();
    f->SetHilfe(0);
    f->AendereVertretung();
    menge.ListeElemEnthalten(f);
    menge.ListeLoeschen(true);
  }
  state.counters["mitFehlzeit"] = static_cast<double>(mitFehlzeit);
}
BENCHMARK(BM_FehlzeitEintragenUndLoeschen)
    ->ArgName("alte")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond);

// A substitute for the first record of the day, then the substitute cleared; with his own lesson
// in that period the lesson gets a record of its own, which goes again with him.
void BM_VertreterEintragenUndLoeschen(benchmark::State& state) {
  const bool eigeneStunde = state.range(1) != 0;
  TVertretungsSchule gross;
  if (state.range(0)) gross.AlteVertretungen();
  TFehlForm form(gross.schule, gross.standard, leh, gross.fDatum);
  form.ElementHinzufuegen(gross.fKrank);
  form.SetStunden(0, kGanzerTag);
  form.Ok();
  TVertretung* v = nullptr;
  for (TVertretung* kandidat : gross.schule.fVertretungsMenge) {
    if (!v && GanzerTag(kandidat->fDatum) == GanzerTag(gross.fDatum)) v = kandidat;
  }
  TLehrer* vertreter = gross.Vertreter(*v, eigeneStunde);
  v->TrageLehrerEin(vertreter);
  state.counters["mitVertreter"] = gross.schule.fVertretungsMenge.ListeZahlElemente();
  v->Loeschen(true);
  for (auto _ : state) {
    if (!v->TrageLehrerEin(vertreter)) state.SkipWithError("the substitute was refused");
    v->Loeschen(true);
  }
  state.counters["danach"] = gross.schule.fVertretungsMenge.ListeZahlElemente();
  state.counters["Fragen"] = static_cast<double>(gross.dialoge.Protokoll().size());
}
BENCHMARK(BM_VertreterEintragenUndLoeschen)
    ->ArgNames({"alte", "eigeneStunde"})
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orbato
