#include "model/basis/uhr.h"

#include <chrono>
#include <ctime>

namespace orbato {

TDatumZeit Uhr::Heute() const {
  return GanzerTag(Jetzt()) + 0.5;
}

TDatumZeit TSystemUhr::Jetzt() const {
  const std::time_t jetzt = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm ortszeit{};
#ifdef _WIN32
  localtime_s(&ortszeit, &jetzt);
#else
  localtime_r(&jetzt, &ortszeit);
#endif
  const auto datum = KodiereDatum(ortszeit.tm_year + 1900, ortszeit.tm_mon + 1, ortszeit.tm_mday);
  const auto zeit = KodiereZeit(ortszeit.tm_hour, ortszeit.tm_min, ortszeit.tm_sec % 60);
  return datum.value_or(0) + zeit.value_or(0);
}

}  // namespace orbato
