#include "persist/dateistand.h"

#include <ctime>

#include "persist/dateisystem.h"

namespace orbato {

std::optional<TDateiStand> DateiStand(const std::string& pfad) {
  const TPfadStand stand = PfadStand(pfad);
  if (stand.fArt != TPfadArt::Datei) return std::nullopt;
  return TDateiStand{stand.fGroesse, stand.fZeitNs};
}

TDatumZeit OrtsZeit(int64_t zeitNs) {
  const std::time_t sekunden = static_cast<std::time_t>(zeitNs / 1000000000);
  std::tm ort{};
#ifdef _WIN32
  localtime_s(&ort, &sekunden);  // the same, with the arguments the other way round
#else
  localtime_r(&sekunden, &ort);
#endif
  const auto datum = KodiereDatum(ort.tm_year + 1900, ort.tm_mon + 1, ort.tm_mday);
  const auto zeit = KodiereZeit(ort.tm_hour, ort.tm_min, ort.tm_sec % 60);
  return datum.value_or(0) + zeit.value_or(0);
}

}  // namespace orbato
