#include "html/htmlseite.h"

#include <array>
#include <cerrno>
#include <filesystem>
#include <system_error>
#include <utility>

#include "model/basis/zeichensatz.h"
#include "persist/dateisystem.h"
#include "persist/puffer.h"
#include "persist/sicherndatei.h"
#include "persist/streamfehler.h"
#include "persist/systemgrund.h"

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

// The file code of every character, as TBuffer::WriteStr writes it one by one: a page is several
// kilobytes of text, and the table spares it the conversion of each character on its own.
const std::array<uint8_t, 256>& DateiZeichen() {
  static const std::array<uint8_t, 256> tabelle = [] {
    std::array<uint8_t, 256> t{};
    for (std::size_t i = 0; i < t.size(); ++i) {
      TBuffer b;
      const char c = static_cast<char>(i);
      b.WriteStr(std::string_view(&c, 1));
      t[i] = b.Bytes().at(0);
    }
    return t;
  }();
  return tabelle;
}

const char* Entitaet(char c) {
  for (const auto& [zeichen, ersatz] : kEntitaeten) {
    if (zeichen == c) return ersatz;
  }
  return nullptr;
}

// Writes the bytes straight into the file; false when `NurNeu` finds the file there.
bool SchreibeDatei(const std::string& pfad, const std::vector<uint8_t>& bytes,
                   TDatei::TZweck zweck) {
  int fehler = 0;
  TDatei datei = TDatei::Oeffne(pfad, zweck, fehler);
  if (!datei.Offen() && fehler == EEXIST && zweck == TDatei::TZweck::NurNeu) return false;
  if (!datei.Offen()) {
    throw TStreamFehler("Datei \"" + Cp1252AusUtf8(pfad) + "\" kann nicht erstellt werden. " +
                        SystemGrund(fehler));
  }
  if (!datei.SchreibeAlles(bytes)) throw TStreamFehler("Stream-Schreibfehler");
  if (!datei.Schliesse()) throw TStreamFehler("Stream-Schreibfehler");
  return true;
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
  const auto& code = DateiZeichen();
  const std::size_t anfang = fBytes.size();
  fBytes.resize(anfang + cp1252.size());
  for (std::size_t i = 0; i < cp1252.size(); ++i) {
    fBytes[anfang + i] = code[static_cast<unsigned char>(cp1252[i])];
  }
}

void THTMLSeite::Zeilenende() {
  fBytes.push_back(kCR);
}

void SchreibeSeite(const std::string& pfad, const THTMLSeite& seite) {
  SchreibeDateiSicher(pfad, seite.Bytes());
}

void SchreibeNeueSeite(const std::string& pfad, const THTMLSeite& seite) {
  SchreibeDatei(pfad, seite.Bytes(), TDatei::TZweck::Ueberschreiben);
}

bool SchreibeFallsNeu(const std::string& pfad, const std::vector<uint8_t>& bytes) {
  // The test and the creation are one step: a file that appears meanwhile is kept too.
  return SchreibeDatei(pfad, bytes, TDatei::TZweck::NurNeu);
}

bool ErstelleOrdner(const std::string& pfad) {
  std::error_code fehler;
  return std::filesystem::create_directory(DateiPfad(pfad), fehler) && !fehler;
}

}  // namespace orbato
