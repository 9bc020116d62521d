#include "model/basis/hextext.h"

namespace orbato {
namespace {

constexpr char kZiffern[] = "0123456789ABCDEF";

int Ziffernwert(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

std::string HexAusBytes(std::span<const uint8_t> bytes) {
  std::string text;
  text.reserve(2 * bytes.size());
  for (uint8_t b : bytes) {
    text += kZiffern[b >> 4];
    text += kZiffern[b & 0xF];
  }
  return text;
}

std::optional<std::vector<uint8_t>> BytesAusHex(std::string_view hex) {
  if (hex.size() % 2 != 0) return std::nullopt;
  std::vector<uint8_t> bytes;
  bytes.reserve(hex.size() / 2);
  for (std::size_t i = 0; i < hex.size(); i += 2) {
    const int hoch = Ziffernwert(hex[i]);
    const int tief = Ziffernwert(hex[i + 1]);
    if (hoch < 0 || tief < 0) return std::nullopt;
    bytes.push_back(static_cast<uint8_t>(hoch * 16 + tief));
  }
  return bytes;
}

std::optional<uint32_t> ZahlAusHex(std::string_view hex, std::size_t stellen) {
  if (hex.size() != stellen) return std::nullopt;
  uint32_t zahl = 0;
  for (char c : hex) {
    const int wert = Ziffernwert(c);
    if (wert < 0) return std::nullopt;
    zahl = zahl * 16 + static_cast<uint32_t>(wert);
  }
  return zahl;
}

std::string HexAusZahl(uint32_t zahl, std::size_t stellen) {
  std::string text(stellen, '0');
  for (std::size_t i = stellen; i-- > 0; zahl >>= 4) text[i] = kZiffern[zahl & 0xF];
  return text;
}

}  // namespace orbato
