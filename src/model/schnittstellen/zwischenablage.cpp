#include "model/schnittstellen/zwischenablage.h"

namespace orbato {

std::vector<std::string> ZwischenablageZeilen(std::string_view text) {
  std::vector<std::string> zeilen;
  std::size_t anfang = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      zeilen.emplace_back(text.substr(anfang, i - anfang));
      // CR LF is one line end; LF CR is two.
      i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
      anfang = i;
    } else {
      ++i;
    }
  }
  if (anfang < text.size()) zeilen.emplace_back(text.substr(anfang));
  return zeilen;
}

std::string ZwischenablageText(const std::vector<std::string>& zeilen) {
  std::string text;
  for (const std::string& z : zeilen) {
    text += z;
    text += "\r\n";
  }
  return text;
}

std::string TabZeile(const std::vector<std::string>& felder) {
  std::string zeile;
  for (std::size_t i = 0; i < felder.size(); ++i) zeile += (i ? "\t" : "") + felder[i];
  return zeile;
}

}  // namespace orbato
