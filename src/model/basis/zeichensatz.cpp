#include "model/basis/zeichensatz.h"

#include <array>
#include <cstdint>

namespace orbato {
namespace {

// Code points of the bytes 0x80..0x9F; the five bytes Windows-1252 leaves free keep their C1
// control code so that every byte survives a round trip.
constexpr std::array<char32_t, 32> kObereSteuerzeichen = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CodeAusByte(uint8_t b) {
  return b >= 0x80 && b < 0xA0 ? kObereSteuerzeichen[b - 0x80] : char32_t{b};
}

char ByteAusCode(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  for (std::size_t i = 0; i < kObereSteuerzeichen.size(); ++i) {
    if (kObereSteuerzeichen[i] == c) return static_cast<char>(0x80 + i);
  }
  return '?';
}

void HaengeUtf8An(std::string& ziel, char32_t c) {
  if (c < 0x80) {
    ziel += static_cast<char>(c);
  } else if (c < 0x800) {
    ziel += static_cast<char>(0xC0 | (c >> 6));
    ziel += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    ziel += static_cast<char>(0xE0 | (c >> 12));
    ziel += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    ziel += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Decodes one UTF-8 sequence at text[i]; advances i. Malformed input yields U+FFFD and one byte.
char32_t LiesUtf8(std::string_view text, std::size_t& i) {
  const auto b0 = static_cast<uint8_t>(text[i]);
  int laenge = b0 < 0x80           ? 1
               : (b0 >> 5) == 0x6  ? 2
               : (b0 >> 4) == 0xE  ? 3
               : (b0 >> 3) == 0x1E ? 4
                                   : 0;
  if (laenge == 0 || i + laenge > text.size()) {
    ++i;
    return 0xFFFD;
  }
  char32_t c = laenge == 1 ? b0 : b0 & (0x7F >> laenge);
  for (int k = 1; k < laenge; ++k) {
    const auto b = static_cast<uint8_t>(text[i + k]);
    if ((b & 0xC0) != 0x80) {
      ++i;
      return 0xFFFD;
    }
    c = (c << 6) | (b & 0x3F);
  }
  i += laenge;
  return c;
}

}  // namespace

char32_t UnicodeAusCp1252(unsigned char byte) {
  return CodeAusByte(byte);
}

std::string Utf8AusCp1252(std::string_view text) {
  std::string ziel;
  ziel.reserve(text.size() + text.size() / 8);
  for (char ch : text) HaengeUtf8An(ziel, CodeAusByte(static_cast<uint8_t>(ch)));
  return ziel;
}

char SchlichtesZeichen(char cp1252) {
  switch (static_cast<uint8_t>(cp1252)) {
    case 0x84:  // „
    case 0x93:  // “
    case 0x94:  // ”
      return '"';
    case 0x82:  // ‚
    case 0x91:  // ‘
    case 0x92:  // ’
      return '\'';
    case 0x96:  // –
    case 0x97:  // —
      return '-';
    default:
      return cp1252;
  }
}

std::string Cp1252AusUtf8(std::string_view text) {
  std::string ziel;
  ziel.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) ziel += ByteAusCode(LiesUtf8(text, i));
  return ziel;
}

}  // namespace orbato
