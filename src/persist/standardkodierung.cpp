#include "persist/standardkodierung.h"

#include <charconv>

#include "model/basis/hextext.h"

namespace orbato {

std::string KodiereInt(int32_t wert) {
  return std::to_string(wert);
}

std::optional<int32_t> DekodiereInt(std::string_view text) {
  if (text.empty() || text.front() == '+') return std::nullopt;
  int32_t wert = 0;
  const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), wert);
  if (fehler != std::errc{} || ende != text.data() + text.size()) return std::nullopt;
  return wert;
}

std::string KodiereRaster(const TWoElem& raster) {
  std::string text;
  for (int tag = 1; tag <= 7; ++tag) {
    text += HexAusZahl(static_cast<uint32_t>(raster.GetTag(tag)) & 0xFFFF, 4);
  }
  return text;
}

std::optional<TWoElem> DekodiereRaster(std::string_view text) {
  if (text.size() != 28) return std::nullopt;
  TWoElem raster;
  for (int tag = 1; tag <= 7; ++tag) {
    const auto wort = ZahlAusHex(text.substr(4 * (tag - 1), 4), 4);
    if (!wort) return std::nullopt;
    raster.SetTag(tag, static_cast<int32_t>(*wort));
  }
  return raster;
}

std::string KodiereTabellenZeile(const std::array<int32_t, 7>& zeile) {
  std::string text;
  for (int32_t eintrag : zeile) text += std::to_string(eintrag) + '$';
  return text;
}

std::optional<std::array<int32_t, 7>> DekodiereTabellenZeile(std::string_view text) {
  std::array<int32_t, 7> zeile{};
  for (int32_t& eintrag : zeile) {
    const std::size_t ende = text.find('$');
    if (ende == std::string_view::npos) return std::nullopt;
    const auto wert = DekodiereInt(text.substr(0, ende));
    if (!wert) return std::nullopt;
    eintrag = *wert;
    text.remove_prefix(ende + 1);
  }
  return zeile;
}

}  // namespace orbato
