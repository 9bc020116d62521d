#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orbato {

// When one period begins and ends, in minutes after midnight. Calendars and other school systems
// need the clock times; the plan itself knows only period numbers.
struct TStundenZeit {
  int32_t fBeginn = 0;
  int32_t fEnde = 0;
  friend bool operator==(const TStundenZeit&, const TStundenZeit&) = default;
};

// Periods 1..16 of a school day.
using TStundenZeiten = std::array<TStundenZeit, 16>;

// The bell times of a German school: the first period at 08:00, 45 minutes each, 5 minutes
// between two periods, 20 minutes after the second and 15 after the fourth.
TStundenZeiten VorgabeStundenZeiten();

// "08:00-08:45", the form the settings store and the dialog show.
std::string StundenZeitText(const TStundenZeit& zeit);
// None for anything but two times "HH:MM" of one day joined by "-" with the end after the start.
std::optional<TStundenZeit> LiesStundenZeit(std::string_view text);
// "HH:MM" of minutes after midnight.
std::string UhrzeitText(int32_t minuten);
// Minutes after midnight of "HH:MM" (also "H:MM"); none outside 00:00..23:59.
std::optional<int32_t> LiesUhrzeit(std::string_view text);

}  // namespace orbato
