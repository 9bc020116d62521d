#include "persist/inidatei.h"

#include <cerrno>
#include <string>

#include "model/basis/zeichensatz.h"
#include "persist/dateisystem.h"

namespace orbato {
namespace {

std::string_view OhneRand(std::string_view s) {
  const auto erstes = s.find_first_not_of(" \t");
  if (erstes == std::string_view::npos) return {};
  const auto letztes = s.find_last_not_of(" \t");
  return s.substr(erstes, letztes - erstes + 1);
}

std::string Wert(std::string_view roh) {
  roh = OhneRand(roh);
  if (roh.size() < 2 || roh.front() != '"' || roh.back() != '"') return std::string(roh);
  std::string wert;
  roh = roh.substr(1, roh.size() - 2);
  for (std::size_t i = 0; i < roh.size(); ++i) {
    if (roh[i] == '\\' && i + 1 < roh.size() && (roh[i + 1] == '"' || roh[i + 1] == '\\')) ++i;
    wert += roh[i];
  }
  return wert;
}

}  // namespace

void LiesIniText(std::string_view text, TEinstellungenImSpeicher& ziel) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  std::string schluessel;
  bool imSchluessel = false;
  while (!text.empty()) {
    const auto ende = text.find_first_of("\r\n");
    std::string_view zeile = OhneRand(text.substr(0, ende));
    text.remove_prefix(ende == std::string_view::npos ? text.size() : ende + 1);
    if (zeile.empty() || zeile.front() == ';' || zeile.front() == '#') continue;
    if (zeile.front() == '[' && zeile.back() == ']') {
      schluessel = Cp1252AusUtf8(OhneRand(zeile.substr(1, zeile.size() - 2)));
      imSchluessel = true;
      continue;
    }
    const auto gleich = zeile.find('=');
    if (!imSchluessel || gleich == std::string_view::npos) continue;
    ziel.Setze(schluessel, Cp1252AusUtf8(OhneRand(zeile.substr(0, gleich))),
               Cp1252AusUtf8(Wert(zeile.substr(gleich + 1))));
  }
}

void LiesIniDatei(const std::string& pfad, TEinstellungenImSpeicher& ziel) {
  // Only a path that names nothing means the defaults: a device name (NUL) is refused below.
  const TPfadStand stand = PfadStand(pfad);
  if (stand.fArt == TPfadArt::Fehlt && (stand.fFehler == ENOENT || stand.fFehler == ENOTDIR)) {
    return;
  }
  const std::vector<uint8_t> bytes = LiesGanzeDatei(pfad, kEinstellungsDatei);
  LiesIniText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), ziel);
}

}  // namespace orbato
