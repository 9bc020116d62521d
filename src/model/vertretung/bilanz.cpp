// The teachers' balances of substitution hours: three counters and a log per month.
#include <string>

#include "model/dokument/schule.h"
#include "model/vertretung/kalender.h"

namespace orbato {

namespace {

int32_t MonatVon(TDatumZeit datum) {
  const TKalenderDatum d = DekodiereDatum(datum);
  return d.Jahr * 100 + d.Monat;
}

bool KlassenFehlenAm(int tag) {
  for (const TFehl* f : Schule().fFehlKlassenMenge) {
    if (GanzerTag(f->fDatum) == tag) return true;
  }
  return false;
}

}  // namespace

void TLehrer::AendereVStunden(int32_t betrag, TDatumZeit datum) {
  if (betrag == 0) return;
  fVStunden1 += betrag;
  fVStunden2 += betrag;
  // A month not in the log is computed from the records when it is asked for, and then holds
  // this change already.
  const auto eintrag = fDict.find(std::to_string(MonatVon(datum)));
  if (eintrag != fDict.end()) {
    fVStunden3 = std::stoi(eintrag->second) + betrag;
    eintrag->second = std::to_string(fVStunden3);
  } else {
    fVStunden3 += betrag;
  }
  Geaendert();
}

int32_t TLehrer::MonatsStunden(int32_t monat) {
  const auto eintrag = fDict.find(std::to_string(monat));
  if (eintrag == fDict.end()) {
    erzeugeMonatsStunden(monat);
    return std::stoi(fDict[std::to_string(monat)]);
  }
  return std::stoi(eintrag->second);
}

void TLehrer::erzeugeMonatsStunden(int32_t monat) {
  const int jahr = monat / 100;
  const int m = monat % 100;
  int32_t summe = 0;
  for (const TVertretung* v : Schule().fVertretungsMenge) {
    if (v->fLehrer == this && v->EchteVertretung() && v->fAngerechnet && v->fGueltig &&
        MonatVon(v->fDatum) == monat) {
      summe += v->Faktor();
    }
  }
  for (int tag = 1; tag <= 31; ++tag) {
    const std::optional<TDatumZeit> datum = KodiereDatum(jahr, m, tag);
    if (!datum || !KlassenFehlenAm(GanzerTag(*datum))) continue;
    const TDatumZeit mittag = *datum + 0.5;
    const int32_t woche = PlanVersionAm(mittag);
    const int32_t wtag = Wochentag(mittag);
    for (const TKurs* k : fKurse) {
      for (const TSetzung* s : k->fSetzungen) {
        if (s->fWoche != woche || s->fTag != wtag || Abwesend(s->fStunde, mittag)) continue;
        if (k->AlleKlassenAbwesend(s->fStunde, nullptr, mittag)) summe -= k->fFaktor;
      }
    }
  }
  fDict[std::to_string(monat)] = std::to_string(summe);
}

void TLehrer::aendereVStunden3(TDatumZeit datum) {
  fVStunden3 = MonatsStunden(MonatVon(datum));
}

}  // namespace orbato
