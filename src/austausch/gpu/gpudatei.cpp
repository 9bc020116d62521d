#include "austausch/gpu/gpudatei.h"

#include <algorithm>
#include <array>

#include "model/basis/zeichensatz.h"

namespace orbato {
namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IstUtf8(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    const auto b = static_cast<unsigned char>(s[i]);
    int folge = 0;
    uint32_t wert = 0;
    if (b < 0x80) {
      ++i;
      continue;
    } else if (b >= 0xC2 && b <= 0xDF) {
      folge = 1, wert = b & 0x1F;
    } else if (b >= 0xE0 && b <= 0xEF) {
      folge = 2, wert = b & 0x0F;
    } else if (b >= 0xF0 && b <= 0xF4) {
      folge = 3, wert = b & 0x07;
    } else {
      return false;
    }
    if (i + folge >= s.size()) return false;
    for (int k = 1; k <= folge; ++k) {
      const auto c = static_cast<unsigned char>(s[i + k]);
      if ((c & 0xC0) != 0x80) return false;
      wert = (wert << 6) | (c & 0x3F);
    }
    if ((folge == 2 && (wert < 0x800 || (wert >= 0xD800 && wert <= 0xDFFF))) ||
        (folge == 3 && (wert < 0x10000 || wert > 0x10FFFF))) {
      return false;
    }
    i += folge + 1;
  }
  return true;
}

std::string_view OhneRand(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// The separator found most often outside quotes in the first line that has one; a comma when none
// has any, as in a file of one-field lines.
char ErkenneTrenner(const std::vector<std::string_view>& zeilen) {
  for (std::string_view zeile : zeilen) {
    std::array<int, 3> zahl{};
    constexpr std::array<char, 3> kKandidaten = {',', ';', '\t'};
    bool inText = false;
    for (char c : zeile) {
      if (c == '"') inText = !inText;
      if (inText) continue;
      for (std::size_t k = 0; k < kKandidaten.size(); ++k) {
        if (c == kKandidaten[k]) ++zahl[k];
      }
    }
    const auto beste = std::max_element(zahl.begin(), zahl.end());
    if (*beste > 0) return kKandidaten[static_cast<std::size_t>(beste - zahl.begin())];
  }
  return ',';
}

// A quoted text runs to its closing quote; "" inside it stands for one quote, and whatever
// follows the closing quote up to the separator is kept with it.
std::vector<std::string> Felder(std::string_view zeile, char trenner) {
  std::vector<std::string> felder;
  std::size_t i = 0;
  while (true) {
    std::string feld;
    while (i < zeile.size() && zeile[i] == ' ') ++i;
    if (i < zeile.size() && zeile[i] == '"') {
      for (++i; i < zeile.size(); ++i) {
        if (zeile[i] != '"') {
          feld += zeile[i];
        } else if (i + 1 < zeile.size() && zeile[i + 1] == '"') {
          feld += '"';
          ++i;
        } else {
          ++i;
          break;
        }
      }
    }
    while (i < zeile.size() && zeile[i] != trenner) feld += zeile[i++];
    felder.emplace_back(OhneRand(feld));
    if (i >= zeile.size()) break;
    ++i;
  }
  // The separator Untis writes after the last field leaves an empty slot.
  if (felder.size() > 1 && felder.back().empty()) felder.pop_back();
  return felder;
}

std::vector<std::string_view> Zeilen(std::string_view text) {
  std::vector<std::string_view> zeilen;
  std::size_t anfang = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && text[i] != '\r' && text[i] != '\n') continue;
    zeilen.push_back(text.substr(anfang, i - anfang));
    if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n') ++i;
    anfang = i + 1;
  }
  return zeilen;
}

const std::string kLeer;

}  // namespace

const std::string& TGpuSatz::Feld(std::size_t n) const {
  return n >= 1 && n <= felder.size() ? felder[n - 1] : kLeer;
}

TGpuTabelle LiesGpuTabelle(const std::vector<uint8_t>& bytes, const TGpuLesart& lesart) {
  TGpuTabelle tabelle;
  std::string_view roh(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  const bool bom = roh.starts_with(kBom);
  if (bom) roh.remove_prefix(kBom.size());
  tabelle.utf8 = lesart.kodierung == TGpuKodierung::Utf8 ||
                 (lesart.kodierung == TGpuKodierung::Erkennen && (bom || IstUtf8(roh)));
  std::string text;
  if (tabelle.utf8) {
    text = Cp1252AusUtf8(roh);
    const auto fragen = [](std::string_view s) { return std::count(s.begin(), s.end(), '?'); };
    tabelle.ersetzt = static_cast<int>(fragen(text) - fragen(roh));
  } else {
    text = roh;
  }
  const std::vector<std::string_view> zeilen = Zeilen(text);
  tabelle.trenner = lesart.trenner != 0 ? lesart.trenner : ErkenneTrenner(zeilen);
  for (std::size_t i = 0; i < zeilen.size(); ++i) {
    if (OhneRand(zeilen[i]).empty()) continue;
    tabelle.saetze.push_back({static_cast<int>(i + 1), Felder(zeilen[i], tabelle.trenner)});
  }
  return tabelle;
}

std::vector<std::string> GpuListe(std::string_view feld) {
  std::vector<std::string> eintraege;
  std::size_t anfang = 0;
  for (std::size_t i = 0; i <= feld.size(); ++i) {
    if (i < feld.size() && feld[i] != kGpuListe) continue;
    const std::string_view eintrag = OhneRand(feld.substr(anfang, i - anfang));
    if (!eintrag.empty()) eintraege.emplace_back(eintrag);
    anfang = i + 1;
  }
  return eintraege;
}

bool GpuZahl(std::string_view feld, int64_t& zahl) {
  std::size_t i = 0;
  zahl = 0;
  while (i < feld.size() && feld[i] >= '0' && feld[i] <= '9') {
    if (zahl < 1000000000) zahl = zahl * 10 + (feld[i] - '0');
    ++i;
  }
  return i > 0;
}

std::string GpuDezimal(int64_t tausendstel) {
  const std::string bruch = std::to_string(1000 + tausendstel % 1000).substr(1);
  return std::to_string(tausendstel / 1000) + "." + bruch;
}

void TGpuSchreiber::NeueZeile(std::size_t felder, bool trennerAmEnde) {
  fFelder.assign(felder, std::string());
  fTrennerAmEnde = trennerAmEnde;
}

void TGpuSchreiber::Text(std::size_t feld, std::string_view text) {
  if (text.empty()) return;
  std::string t(text);
  std::replace(t.begin(), t.end(), '"', '\'');
  fFelder.at(feld - 1) = '"' + (fArt.utf8 ? Utf8AusCp1252(t) : t) + '"';
}

void TGpuSchreiber::Zahl(std::size_t feld, int64_t zahl) {
  fFelder.at(feld - 1) = std::to_string(zahl);
}

void TGpuSchreiber::Roh(std::size_t feld, std::string_view wert) {
  fFelder.at(feld - 1) = wert;
}

void TGpuSchreiber::ZeileFertig() {
  std::string zeile;
  for (std::size_t i = 0; i < fFelder.size(); ++i) {
    if (i > 0) zeile += fArt.trenner;
    zeile += fFelder[i];
  }
  if (fTrennerAmEnde) zeile += fArt.trenner;
  zeile += "\r\n";
  fBytes.insert(fBytes.end(), zeile.begin(), zeile.end());
}

}  // namespace orbato
