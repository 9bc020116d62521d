#include "persist/kursdatei.h"

#include <string>

#include "persist/puffer.h"

namespace orbato {
namespace {

constexpr std::size_t kBalkenTakt = 100;

bool IstZiffer(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

void DurchlaufeKursDatei(const std::vector<uint8_t>& bytes,
                         const std::function<bool(const TKursFeld&)>& feld,
                         const std::function<void(std::size_t position)>& balken) {
  TBuffer ein(bytes);
  TKursFeld f;
  std::string text;
  while (ein.Position() < ein.Groesse()) {
    const uint8_t c = ein.ReadZeichen();
    if (ein.Position() % kBalkenTakt == 0) balken(ein.Position());
    if (c == kKursLF) continue;
    if (c != kKursTab && c != kKursGruppe && c != kKursCR) {
      text += static_cast<char>(c);
      continue;
    }
    f.fEnde = c;
    f.fText = text;
    if (!feld(f)) return;
    text.clear();
    if (c == kKursGruppe) {
      ++f.fEintrag;
    } else {
      f.fFeld = c == kKursTab ? f.fFeld + 1 : 1;
      f.fEintrag = 1;
    }
  }
}

std::string_view OhneRandBlanks(std::string_view text) {
  const auto anfang = text.find_first_not_of(' ');
  if (anfang == std::string_view::npos) return {};
  return text.substr(anfang, text.find_last_not_of(' ') - anfang + 1);
}

int32_t KursZahl(std::string_view text) {
  const bool negativ = !text.empty() && text.front() == '-';
  if (negativ) text.remove_prefix(1);
  if (text.empty()) return 0;
  int32_t wert = 0;
  for (char c : text) {
    // The format check keeps numbers to five digits; anything longer is no number of the file.
    if (!IstZiffer(c) || wert > 99999) return 0;
    wert = wert * 10 + (c - '0');
  }
  return negativ ? -wert : wert;
}

}  // namespace orbato
