#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/basis/datum.h"
#include "model/basis/fixtext.h"
#include "model/woche/woelem.h"

namespace orbato {

// The string forms of the settings store. Every Dekodiere… answers none for a text it cannot
// convert; the caller then keeps the default.

inline std::string KodiereBool(bool wert) {
  return wert ? "1" : "0";
}
// Exactly "1" is true; every other text is false, so this always converts.
inline bool DekodiereBool(std::string_view text) {
  return text == "1";
}

std::string KodiereInt(int32_t wert);
// Decimal digits with an optional minus sign, nothing else, inside the 32-bit range.
std::optional<int32_t> DekodiereInt(std::string_view text);

// A grid: 4 hexadecimal digits per day for days 1..7.
std::string KodiereRaster(const TWoElem& raster);
std::optional<TWoElem> DekodiereRaster(std::string_view text);

// "$" followed by each element and a "$" after each element.
template <std::size_t N, std::size_t M>
std::string KodiereListe(const std::array<TFixText<N>, M>& liste) {
  std::string text = "$";
  for (const auto& element : liste) {
    text += element.str();
    text += '$';
  }
  return text;
}

// Drops the leading "$" and takes the elements up to each following "$", each cut to its capacity;
// missing elements are empty, surplus ones are ignored.
template <std::size_t N, std::size_t M>
std::array<TFixText<N>, M> DekodiereListe(std::string_view text) {
  std::array<TFixText<N>, M> liste{};
  if (!text.empty() && text.front() == '$') text.remove_prefix(1);
  for (std::size_t i = 0; i < M; ++i) {
    const std::size_t ende = text.find('$');
    if (ende == std::string_view::npos) break;
    liste[i] = text.substr(0, ende);
    text.remove_prefix(ende + 1);
  }
  return liste;
}

// One row of an automatic table: the 7 day entries, each followed by "$".
std::string KodiereTabellenZeile(const std::array<int32_t, 7>& zeile);
std::optional<std::array<int32_t, 7>> DekodiereTabellenZeile(std::string_view text);

}  // namespace orbato
