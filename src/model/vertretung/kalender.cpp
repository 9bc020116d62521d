#include "model/vertretung/kalender.h"

#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"

namespace orbato {

int32_t PlanVersionAm(TDatumZeit datum) {
  return Schule().fKalender[KalenderWoche(datum)];
}

bool Schultag(TDatumZeit datum) {
  const TStandard& standard = Standard();
  return !standard.FerienTag(datum) && !standard.WochenEnde(datum);
}

TDatumZeit Mittag(TDatumZeit datum) {
  return GanzerTag(datum) + 0.5;
}

std::string StundenBezeichnung(int32_t woche, int32_t std) {
  if (woche < 1 || woche > kMaxWochen || std < 1 || std > kMaxStunden) return {};
  return Standard().fStdBez[static_cast<size_t>(woche - 1)][static_cast<size_t>(std - 1)].str();
}

TDatumZeit HeuteMittag() {
  return Mittag(Schule().Jetzt());
}

TIsoWoche IsoWoche(TDatumZeit datum) {
  // The week belongs to the year of its Thursday.
  const int donnerstag = GanzerTag(datum) - Wochentag(datum) + 4;
  const int jahr = DekodiereDatum(donnerstag).Jahr;
  const int erster = static_cast<int>(*KodiereDatum(jahr, 1, 1));
  return {(donnerstag - erster) / 7 + 1, jahr};
}

std::optional<TDatumZeit> IsoWochenMontag(int woche, int jahr) {
  if (woche < 1 || woche > 53) return std::nullopt;
  const std::optional<TDatumZeit> vierter = KodiereDatum(jahr, 1, 4);
  if (!vierter) return std::nullopt;
  // 4 January always lies in week 1.
  const TDatumZeit montag = *vierter - (Wochentag(*vierter) - 1) + 7 * (woche - 1);
  const TIsoWoche probe = IsoWoche(montag);
  if (probe.Woche != woche || probe.Jahr != jahr) return std::nullopt;
  return montag;
}

std::optional<TDatumZeit> KorrigiertesDatum(int jahr, int monat, int& tag) {
  for (int weniger = 0; weniger <= 3; ++weniger) {
    if (const auto datum = KodiereDatum(jahr, monat, tag - weniger)) {
      tag -= weniger;
      return datum;
    }
  }
  return std::nullopt;
}

}  // namespace orbato
