#include "persist/dateistand.h"

#include <sys/stat.h>

#include <ctime>

namespace orbato {

std::optional<TDateiStand> DateiStand(const std::string& pfad) {
  struct stat info {};
  if (::stat(pfad.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  return TDateiStand{static_cast<std::uintmax_t>(info.st_size),
                     static_cast<int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

TDatumZeit OrtsZeit(int64_t zeitNs) {
  const std::time_t sekunden = static_cast<std::time_t>(zeitNs / 1000000000);
  std::tm ort{};
  localtime_r(&sekunden, &ort);
  const auto datum = KodiereDatum(ort.tm_year + 1900, ort.tm_mon + 1, ort.tm_mday);
  const auto zeit = KodiereZeit(ort.tm_hour, ort.tm_min, ort.tm_sec % 60);
  return datum.value_or(0) + zeit.value_or(0);
}

}  // namespace orbato
