#include "app/orbato/jsonausgabe.h"

#include <array>
#include <charconv>

#include "model/basis/zeichensatz.h"

namespace orbato {

std::string JsonZahl(int64_t n) {
  std::array<char, 24> puffer{};
  const auto ende = std::to_chars(puffer.data(), puffer.data() + puffer.size(), n).ptr;
  return std::string(puffer.data(), ende);
}

std::string JsonText(std::string_view cp1252) {
  static constexpr std::string_view kHex = "0123456789ABCDEF";
  const std::string utf8 = Utf8AusCp1252(cp1252);
  std::string json;
  json.reserve(utf8.size() + 2);
  json += '"';
  for (const char c : utf8) {
    const auto b = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      json += '\\';
      json += c;
    } else if (b < 0x20) {
      json += "\\u00";
      json += kHex[b >> 4];
      json += kHex[b & 0x0F];
    } else {
      json += c;
    }
  }
  json += '"';
  return json;
}

}  // namespace orbato
