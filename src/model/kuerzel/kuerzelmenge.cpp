#include "model/kuerzel/kuerzelmenge.h"

#include <algorithm>
#include <array>
#include <string>

#include "model/dokument/schule.h"

namespace orbato {
namespace {

// Calls aufgabe(list) with the typed list of the kind; nothing for courses.
template <class Schule, class Aufgabe>
void MitMenge(Schule& schule, TKuerzelArt art, Aufgabe&& aufgabe) {
  switch (art) {
    case leh:
      aufgabe(schule.fLehrerMenge);
      break;
    case kla:
      aufgabe(schule.fKlassenMenge);
      break;
    case kop:
      aufgabe(schule.fKopplMenge);
      break;
    case fac:
      aufgabe(schule.fFachMenge);
      break;
    case rau:
      aufgabe(schule.fRaumMenge);
      break;
    case uvt:
      aufgabe(schule.fUVTabMenge);
      break;
    case kur:
      break;
  }
}

// One collation element of a character: the base it sorts by, then its accent, then its case.
struct TGewicht {
  int fBasis = 0;
  int fAkzent = 0;
  int fFall = 0;  // 0 small or no letter, 1 capital
};

constexpr int kZiffern = 300;
constexpr int kBuchstaben = 400;

TGewicht Buchstabe(char basis, int akzent, bool gross) {
  return {kBuchstaben + (basis - 'a'), akzent, gross ? 1 : 0};
}

// The Windows-1252 letters with diacritics, by their capital form 0xC0..0xDE: base letter and a
// rank among its accented forms; 0 marks the two symbols in that range.
constexpr std::array<char, 31> kBasis = {'a', 'a', 'a', 'a', 'a', 'a', 0,   'c', 'e', 'e', 'e',
                                         'e', 'i', 'i', 'i', 'i', 'd', 'n', 'o', 'o', 'o', 'o',
                                         'o', 0,   'o', 'u', 'u', 'u', 'u', 'y', 0};
constexpr std::array<int, 31> kAkzent = {1, 2, 3, 4, 5, 6, 0, 1, 1, 2, 3, 4, 1, 2, 3, 4,
                                         1, 1, 1, 2, 3, 4, 5, 0, 6, 1, 2, 3, 4, 1, 0};

// Appends the collation elements of one character; a few letters stand for two.
void Gewichte(unsigned char c, std::vector<TGewicht>& aus) {
  if (c >= 'a' && c <= 'z') return aus.push_back(Buchstabe(static_cast<char>(c), 0, false));
  if (c >= 'A' && c <= 'Z') {
    return aus.push_back(Buchstabe(static_cast<char>(c - 'A' + 'a'), 0, true));
  }
  if (c >= '0' && c <= '9') return aus.push_back({kZiffern + (c - '0'), 0, 0});
  switch (c) {
    case 0xDF:  // sharp s
      aus.push_back(Buchstabe('s', 1, false));
      return aus.push_back(Buchstabe('s', 1, false));
    case 0xC6:
    case 0xE6:  // ae ligature
      aus.push_back(Buchstabe('a', 7, c == 0xC6));
      return aus.push_back(Buchstabe('e', 7, c == 0xC6));
    case 0x8C:
    case 0x9C:  // oe ligature
      aus.push_back(Buchstabe('o', 7, c == 0x8C));
      return aus.push_back(Buchstabe('e', 7, c == 0x8C));
    case 0x8A:
    case 0x9A:
      return aus.push_back(Buchstabe('s', 2, c == 0x8A));
    case 0x8E:
    case 0x9E:
      return aus.push_back(Buchstabe('z', 1, c == 0x8E));
    case 0x9F:
    case 0xFF:
      return aus.push_back(Buchstabe('y', 2, c == 0x9F));
    case 0xDE:
    case 0xFE:  // thorn sorts after z
      return aus.push_back({kBuchstaben + 26, 0, c == 0xDE ? 1 : 0});
    default:
      break;
  }
  if (c >= 0xC0 && c <= 0xFD) {
    const bool gross = c < 0xE0;
    const std::size_t i = static_cast<std::size_t>(gross ? c - 0xC0 : c - 0xE0);
    if (kBasis[i] != 0) return aus.push_back(Buchstabe(kBasis[i], kAkzent[i], gross));
  }
  aus.push_back({c, 0, 0});  // punctuation and symbols, before digits and letters
}

std::vector<TGewicht> Gewichte(std::string_view text) {
  std::vector<TGewicht> aus;
  aus.reserve(text.size());
  for (const char c : text) Gewichte(static_cast<unsigned char>(c), aus);
  return aus;
}

template <class Schluessel>
int VergleicheStufe(const std::vector<TGewicht>& a, const std::vector<TGewicht>& b,
                    Schluessel schluessel) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const int x = schluessel(a[i]), y = schluessel(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

}  // namespace

std::vector<TElement*> KuerzelElemente(const TSchule& schule, TKuerzelArt art) {
  std::vector<TElement*> elemente;
  MitMenge(schule, art, [&](const auto& menge) { elemente.assign(menge.begin(), menge.end()); });
  return elemente;
}

void KuerzelMengeNeuFuellen(TSchule& schule, TKuerzelArt art,
                            const std::vector<TElement*>& reihenfolge) {
  MitMenge(schule, art, [&]<class T>(TListe<T>& menge) {
    menge.ListeEntfernen(false);
    for (TElement* e : reihenfolge) {
      menge.ListeAnhaengen(static_cast<T*>(e));
      e->fReihe = menge.ListeZahlElemente();
    }
  });
}

TElement* NeuesKuerzelElement(TSchule& schule, TKuerzelArt art, std::string_view kuerzel) {
  switch (art) {
    case leh:
      return schule.HoleLehrer(kuerzel);
    case kla:
      return schule.HoleKlasse(kuerzel);
    case kop:
      return schule.HoleKopplung(kuerzel);
    case fac:
      return schule.HoleFach(kuerzel);
    case rau:
      return schule.HoleRaum(kuerzel);
    case uvt: {
      // Distribution tables are never looked up by name elsewhere, so they have no Hole of their
      // own; a new one is numbered as Hole numbers the other kinds.
      auto* tabelle = new TUVTab;
      tabelle->fKuerzel = kuerzel;
      schule.fUVTabMenge.ListeAnhaengen(tabelle);
      tabelle->fNr = tabelle->fReihe = schule.fUVTabMenge.ListeZahlElemente();
      schule.SetDirty();
      return tabelle;
    }
    case kur:
      break;
  }
  return nullptr;
}

int KuerzelVergleich(std::string_view a, std::string_view b) {
  if (a == b) return 0;
  const std::vector<TGewicht> x = Gewichte(a), y = Gewichte(b);
  if (int v = VergleicheStufe(x, y, [](const TGewicht& g) { return g.fBasis; })) return v;
  if (int v = VergleicheStufe(x, y, [](const TGewicht& g) { return g.fAkzent; })) return v;
  if (int v = VergleicheStufe(x, y, [](const TGewicht& g) { return g.fFall; })) return v;
  return a.compare(b) < 0 ? -1 : 1;
}

}  // namespace orbato
