#include "html/htmlseite.h"

#include <array>
#include <filesystem>
#include <system_error>
#include <utility>

#include "persist/sicherndatei.h"

namespace orbato {
namespace {

constexpr uint8_t kCR = 13;

// The replacements in the order they are applied; none of them brings back a character an earlier
// one removed.
constexpr std::array<std::pair<char, const char*>, 9> kEntitaeten{{
    {'\xC4', "&Auml;"},
    {'\xD6', "&Ouml;"},
    {'\xDC', "&Uuml;"},
    {'\xE4', "&auml;"},
    {'\xF6', "&ouml;"},
    {'\xFC', "&uuml;"},
    {'\xDF', "&szlig;"},
    {'<', "&lt;"},
    {'>', "&gt;"},
}};

const char* Entitaet(char c) {
  for (const auto& [zeichen, ersatz] : kEntitaeten) {
    if (zeichen == c) return ersatz;
  }
  return nullptr;
}

}  // namespace

std::string HTMLText(std::string_view cp1252) {
  std::string aus;
  aus.reserve(cp1252.size());
  for (char c : cp1252) {
    if (const char* ersatz = Entitaet(c)) {
      aus += ersatz;
    } else {
      aus += c;
    }
  }
  return aus;
}

void THTMLSeite::Zeile(std::string_view cp1252) {
  Teil(cp1252);
  Zeilenende();
}

void THTMLSeite::Teil(std::string_view cp1252) {
  fBuffer.WriteStr(cp1252);
}

void THTMLSeite::Zeilenende() {
  fBuffer.WriteByte(kCR);
}

void SchreibeSeite(const std::string& pfad, const THTMLSeite& seite) {
  SchreibeDateiSicher(pfad, seite.Bytes());
}

bool ErstelleOrdner(const std::string& pfad) {
  std::error_code fehler;
  return std::filesystem::create_directory(pfad, fehler) && !fehler;
}

}  // namespace orbato
