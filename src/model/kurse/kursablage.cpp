#include "model/kurse/kursablage.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "model/dokument/schule.h"
#include "model/fenster/deputat.h"
#include "model/schnittstellen/dialoge.h"
#include "model/schnittstellen/zwischenablage.h"

namespace orbato {
namespace {

constexpr std::size_t kFelder = 15;
// The longest text each field may hold.
constexpr std::size_t kGrenze[kFelder] = {8, 8, 11, 11, 11, 11, 11, 31, 8, 8, 8, 8, 8, 8, 8};
constexpr int kZahlFelder[] = {0, 1, 8, 9, 10, 14};

std::vector<std::string> Felder(const std::string& zeile) {
  std::vector<std::string> felder(1);
  for (char c : zeile) {
    if (c == '\t') {
      felder.emplace_back();
    } else {
      felder.back() += c;
    }
  }
  return felder;
}

std::string Wahr(bool b) {
  return b ? "TRUE" : "FALSE";
}

bool IstWahr(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return text == "TRUE";
}

std::optional<int32_t> Zahl(const std::string& text) {
  if (text.empty() || text.size() > 8) return std::nullopt;
  std::size_t i = text[0] == '-' ? 1 : 0;
  if (i == text.size()) return std::nullopt;
  for (std::size_t j = i; j < text.size(); ++j) {
    if (!std::isdigit(static_cast<unsigned char>(text[j]))) return std::nullopt;
  }
  return std::stoi(text);
}

// The limits a course keeps: a factor up to 10000, blocks of 1..16 lessons, up to 7 single
// lessons, tables 1..4, lessons of the selection 0..112 per version (down to -112 per version for a
// course that is never placed).
bool ImBereich(const std::vector<std::string>& f) {
  const auto innen = [&](int feld, int32_t von, int32_t bis) {
    return f[feld].empty() || (*Zahl(f[feld]) >= von && *Zahl(f[feld]) <= bis);
  };
  const int32_t versionen = Standard().fEineWoche ? 1 : Standard().WochenZahl();
  const int32_t unten = IstWahr(f[11]) ? -112 * versionen : 0;
  return innen(0, 0, 10000) && innen(1, unten, 112 * versionen) && innen(8, 1, 16) &&
         innen(9, 0, 7) && innen(10, 1, 4);
}

bool ZeileOk(const std::vector<std::string>& felder, bool hatKurs) {
  if (felder.size() != kFelder) return false;
  for (std::size_t i = 0; i < kFelder; ++i) {
    if (felder[i].size() > kGrenze[i]) return false;
  }
  if (felder[0].empty()) {
    // A continuation line carries a class and a room of the course above, nothing else.
    for (std::size_t i = 0; i < kFelder; ++i) {
      if (i != 4 && i != 6 && !felder[i].empty()) return false;
    }
    return hatKurs;
  }
  for (int i : kZahlFelder) {
    if (!felder[i].empty() && !Zahl(felder[i])) return false;
  }
  return ImBereich(felder);
}

// Whether every short name of the lines is known already.
bool AlleBekannt(const TSchule& s, const std::vector<std::vector<std::string>>& zeilen) {
  for (const auto& f : zeilen) {
    const bool unbekannt = (!f[2].empty() && !TSchule::HoleElement(s.fLehrerMenge, f[2])) ||
                           (!f[3].empty() && !TSchule::HoleElement(s.fFachMenge, f[3])) ||
                           (!f[4].empty() && !TSchule::HoleElement(s.fKlassenMenge, f[4])) ||
                           (!f[5].empty() && !TSchule::HoleElement(s.fKopplMenge, f[5])) ||
                           (!f[6].empty() && !TSchule::HoleElement(s.fRaumMenge, f[6]));
    if (unbekannt) return false;
  }
  return true;
}

template <class T>
T* HoleWennGegeben(const std::string& kuerzel, T* (TSchule::*hole)(std::string_view), TSchule& s) {
  return kuerzel.empty() ? nullptr : (s.*hole)(kuerzel);
}

TKurs* ErzeugeKurs(TSchule& s, const std::vector<std::string>& f) {
  const TStandard& st = Standard();
  // The lessons field holds the current selection: with all versions shown it is their sum.
  int32_t stunden = f[1].empty() ? 0 : *Zahl(f[1]);
  if (!st.fEineWoche) stunden /= st.WochenZahl();
  auto* kurs = new TKurs;
  kurs->IKurs(HoleWennGegeben(f[2], &TSchule::HoleLehrer, s),
              HoleWennGegeben(f[4], &TSchule::HoleKlasse, s), stunden,
              HoleWennGegeben(f[6], &TSchule::HoleRaum, s),
              HoleWennGegeben(f[3], &TSchule::HoleFach, s),
              HoleWennGegeben(f[5], &TSchule::HoleKopplung, s));
  kurs->SetFaktor(*Zahl(f[0]));
  kurs->SetInfo(f[7]);
  if (!f[8].empty()) kurs->SetStdProTag(*Zahl(f[8]));
  if (!f[9].empty()) kurs->SetEinzelStd(*Zahl(f[9]));
  if (!f[10].empty()) kurs->SetTabellenNr(*Zahl(f[10]));
  kurs->SetnichtVerplanen(IstWahr(f[11]));
  kurs->SetnichtZaehlenLe(IstWahr(f[12]));
  kurs->SetnichtZaehlenKl(IstWahr(f[13]));
  if (!f[14].empty()) kurs->SetColor(*Zahl(f[14]));
  return kurs;
}

}  // namespace

std::vector<std::string> KursZeilen(const TKurs& k, bool ohneFolgezeilen) {
  std::vector<std::string> zeilen;
  zeilen.push_back(
      TabZeile({std::to_string(k.fFaktor), std::to_string(k.fStunden.GetWochenStunde(-1)),
                KuerzelVon(k.fLehrer), KuerzelVon(k.fFach), KuerzelVon(k.ErsteKlasse()),
                KuerzelVon(k.fKopplung), KuerzelVon(k.ErsterRaum()), k.fInfo.str(),
                std::to_string(k.fStdProTag), std::to_string(k.fEinzelStd),
                std::to_string(k.fTabellenNr), Wahr(k.fNichtVerplanen), Wahr(k.fNichtZaehlenLe),
                Wahr(k.fNichtZaehlenKl), std::to_string(k.fColor)}));
  if (ohneFolgezeilen) return zeilen;
  const int n = std::max(k.fKlassen.ListeZahlElemente(), k.fRaeume.ListeZahlElemente());
  for (int i = 2; i <= n; ++i) {
    std::vector<std::string> felder(kFelder);
    felder[4] = KuerzelVon(k.fKlassen.ListeNrInhalt(i));
    felder[6] = KuerzelVon(k.fRaeume.ListeNrInhalt(i));
    zeilen.push_back(TabZeile(felder));
  }
  return zeilen;
}

bool KursFormOk(const std::vector<std::string>& zeilen) {
  if (zeilen.empty()) return false;
  for (std::size_t i = 0; i < zeilen.size(); ++i) {
    if (!ZeileOk(Felder(zeilen[i]), i > 0)) return false;
  }
  return true;
}

bool InfoFormOk(const std::vector<std::string>& zeilen) {
  return zeilen.size() == 1 && zeilen[0].size() <= 31;
}

bool BemFormOk(const std::vector<std::string>& zeilen) {
  return zeilen.size() == 1 && zeilen[0].size() <= 81;
}

void PasteFehler(Dialoge& dialoge) {
  dialoge.Nachricht("Fehler beim Einsetzen",
                    {"Der Inhalt der Zwischenablage", "hat nicht das geeignete Format.",
                     "Kurse k\xF6nnen nur im Fenster", "\"alle Kurse\" eingesetzt werden!"},
                    TMeldungsArt::Fehler);
}

void KurseKopieren(TSchule& schule, const std::vector<TKurs*>& auswahl, bool mitCut,
                   bool ohneFolgezeilen, Zwischenablage& ablage) {
  std::vector<std::string> zeilen;
  for (const TKurs* k : auswahl) {
    for (auto& zeile : KursZeilen(*k, ohneFolgezeilen)) zeilen.push_back(std::move(zeile));
  }
  ablage.SetzeText(ZwischenablageText(zeilen));
  if (!mitCut || auswahl.empty()) return;
  if (schule.Dialog().FrageJaNein(
          "Kures l\xF6schen?", {"Wollen Sie die ausgew\xE4hlten Kurse", "wirklich l\xF6schen?"})) {
    DepAuswahlLoeschen(schule, auswahl);
  }
}

bool KurseEinsetzen(TSchule& schule, const Zwischenablage& ablage) {
  const std::vector<std::string> zeilen = ZwischenablageZeilen(ablage.HoleText());
  if (!KursFormOk(zeilen)) {
    PasteFehler(schule.Dialog());
    return false;
  }
  std::vector<std::vector<std::string>> felder;
  for (const auto& z : zeilen) felder.push_back(Felder(z));
  if (!AlleBekannt(schule, felder) &&
      !schule.Dialog().FrageJaNein("Unbekannte K\xFCrzel",
                                   {"Die Zwischenablage enth\xE4lt unbekannte",
                                    "K\xFCrzel. Soll trotzdem eingesetzt werden?"})) {
    return false;
  }
  TKurs* letzter = nullptr;
  for (const auto& f : felder) {
    if (!f[0].empty()) {
      letzter = ErzeugeKurs(schule, f);
      continue;
    }
    if (!f[4].empty()) letzter->KlasseErgaenzen(schule.HoleKlasse(f[4]));
    if (!f[6].empty()) letzter->RaumErgaenzen(schule.HoleRaum(f[6]), false);
  }
  return true;
}

}  // namespace orbato
