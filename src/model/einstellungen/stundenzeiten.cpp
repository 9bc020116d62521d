#include "model/einstellungen/stundenzeiten.h"

#include <cstdio>

namespace orbato {
namespace {

constexpr int32_t kErsteStunde = 8 * 60;
constexpr int32_t kStundenLaenge = 45;
constexpr int32_t kPause = 5;

// The longer breaks, after the period that precedes them.
int32_t PauseNach(int stunde) {
  if (stunde == 2) return 20;
  if (stunde == 4) return 15;
  return kPause;
}

std::optional<int32_t> Zahl(std::string_view text) {
  if (text.empty() || text.size() > 2) return std::nullopt;
  int32_t wert = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    wert = wert * 10 + (c - '0');
  }
  return wert;
}

}  // namespace

TStundenZeiten VorgabeStundenZeiten() {
  TStundenZeiten zeiten;
  int32_t beginn = kErsteStunde;
  for (int i = 0; i < static_cast<int>(zeiten.size()); ++i) {
    zeiten[static_cast<std::size_t>(i)] = {beginn, beginn + kStundenLaenge};
    beginn += kStundenLaenge + PauseNach(i + 1);
  }
  return zeiten;
}

std::string UhrzeitText(int32_t minuten) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d:%02d", (minuten / 60) % 100, minuten % 60);
  return text;
}

std::optional<int32_t> LiesUhrzeit(std::string_view text) {
  const auto doppelpunkt = text.find(':');
  if (doppelpunkt == std::string_view::npos) return std::nullopt;
  const auto stunde = Zahl(text.substr(0, doppelpunkt));
  const std::string_view minutenText = text.substr(doppelpunkt + 1);
  const auto minute = minutenText.size() == 2 ? Zahl(minutenText) : std::nullopt;
  if (!stunde || !minute || *stunde > 23 || *minute > 59) return std::nullopt;
  return *stunde * 60 + *minute;
}

std::string StundenZeitText(const TStundenZeit& zeit) {
  return UhrzeitText(zeit.fBeginn) + "-" + UhrzeitText(zeit.fEnde);
}

std::optional<TStundenZeit> LiesStundenZeit(std::string_view text) {
  const auto strich = text.find('-');
  if (strich == std::string_view::npos) return std::nullopt;
  const auto beginn = LiesUhrzeit(text.substr(0, strich));
  const auto ende = LiesUhrzeit(text.substr(strich + 1));
  if (!beginn || !ende || *ende <= *beginn) return std::nullopt;
  return TStundenZeit{*beginn, *ende};
}

}  // namespace orbato
