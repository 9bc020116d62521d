#include "model/schnittstellen/uhr.h"

#include <chrono>
#include <ctime>

namespace orbato {
namespace {

TDatumZeit Ortszeit(std::time_t jetzt) {
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

}  // namespace

TDatumZeit Uhr::Heute() const {
  return GanzerTag(Jetzt()) + 0.5;
}

// Every placement change asks for the time, thousands a second in a compression run; the
// conversion into local time is the costly part, and within one second it answers the same.
TDatumZeit TSystemUhr::Jetzt() const {
  const std::time_t jetzt = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  thread_local std::time_t letzteSekunde = -1;
  thread_local TDatumZeit letzterWert = 0;
  if (jetzt == letzteSekunde) return letzterWert;
  letzteSekunde = jetzt;
  letzterWert = Ortszeit(jetzt);
  return letzterWert;
}

}  // namespace orbato
