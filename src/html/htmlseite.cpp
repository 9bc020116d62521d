#include "html/htmlseite.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <filesystem>
#include <system_error>
#include <utility>

#include "model/basis/zeichensatz.h"
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

// Writes the bytes straight into the file, opened with O_CREAT and `art`; false when O_EXCL
// finds the file there.
bool SchreibeDatei(const std::string& pfad, const std::vector<uint8_t>& bytes, int art) {
  const int fd = ::open(pfad.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | art, 0666);
  if (fd < 0 && errno == EEXIST && (art & O_EXCL)) return false;
  if (fd < 0) {
    throw TStreamFehler("Datei \"" + Cp1252AusUtf8(pfad) + "\" kann nicht erstellt werden. " +
                        SystemGrund(errno));
  }
  std::size_t geschrieben = 0;
  while (geschrieben < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + geschrieben, bytes.size() - geschrieben);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ::close(fd);
      throw TStreamFehler("Stream-Schreibfehler");
    }
    geschrieben += static_cast<std::size_t>(n);
  }
  if (::close(fd) != 0) throw TStreamFehler("Stream-Schreibfehler");
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
  SchreibeDatei(pfad, seite.Bytes(), O_TRUNC);
}

bool SchreibeFallsNeu(const std::string& pfad, const std::vector<uint8_t>& bytes) {
  // O_EXCL makes the test and the creation one step: a file that appears meanwhile is kept too.
  return SchreibeDatei(pfad, bytes, O_EXCL);
}

bool ErstelleOrdner(const std::string& pfad) {
  std::error_code fehler;
  return std::filesystem::create_directory(pfad, fehler) && !fehler;
}

}  // namespace orbato
