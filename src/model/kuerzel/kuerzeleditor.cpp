#include "model/kuerzel/kuerzeleditor.h"

#include <algorithm>
#include <utility>

#include "model/basis/fixtext.h"
#include "model/dokument/schule.h"
#include "model/elemente/element.h"
#include "model/kuerzel/kuerzelmenge.h"
#include "model/schnittstellen/dialoge.h"

namespace orbato {

TKuerzelEditor::TKuerzelEditor(TSchule& schule) : fSchule(schule) {
  ArtWaehlen(0);
}

TKuerzelArt TKuerzelEditor::ElementArt(int art) {
  static constexpr TKuerzelArt kArten[] = {leh, kla, kop, fac, rau, uvt};
  return kArten[std::clamp(art, 0, 5)];
}

void TKuerzelEditor::Knoepfe(bool neues, bool vorhanden) {
  fNeues = neues;
  fAendern = fLoeschen = vorhanden;
}

void TKuerzelEditor::ArtWaehlen(int art) {
  fArt = std::clamp(art, 0, 5);
  fElemente = KuerzelElemente(fSchule, ElementArt(fArt));
  fZeilen.clear();
  for (const TElement* e : fElemente) fZeilen.push_back(e->fKuerzel.str());
  fText.clear();
  fAuswahl = -1;
  fElement = nullptr;
  fSichtbar = -1;
  Knoepfe(false, false);
}

void TKuerzelEditor::TextGeaendert(std::string_view text) {
  // The field takes no more than a short name holds, so a long entry cannot pass for a new name
  // that the cut would make equal to an existing one.
  fText = TKuerzelString(text).str();
  fAuswahl = -1;
  fElement = nullptr;
  if (fText.empty()) return Knoepfe(false, false);
  const auto treffer = std::find(fZeilen.begin(), fZeilen.end(), fText);
  if (treffer == fZeilen.end()) return Knoepfe(true, false);
  fAuswahl = static_cast<int>(treffer - fZeilen.begin());
  fElement = fElemente[static_cast<std::size_t>(fAuswahl)];
  fSichtbar = fAuswahl;
  Knoepfe(false, true);
}

void TKuerzelEditor::ZeileGeklickt(int zeile) {
  if (zeile < 0 || zeile >= static_cast<int>(fZeilen.size())) return;
  TextGeaendert(fZeilen[static_cast<std::size_t>(zeile)]);
}

void TKuerzelEditor::Neues() {
  if (!fNeues) return;
  TElement* neu = NeuesKuerzelElement(fSchule, ElementArt(fArt), fText);
  if (neu == nullptr) return;
  fElemente.push_back(neu);
  fZeilen.push_back(neu->fKuerzel.str());
  TextGeaendert("");
  fSichtbar = static_cast<int>(fZeilen.size()) - 1;
}

bool TKuerzelEditor::Aendern(std::string_view kuerzel) {
  if (fElement == nullptr) return true;
  if (fElement->fKuerzel == TKuerzelString(kuerzel)) return true;
  if (!fSchule.KuerzelAendern(fElement, kuerzel)) return false;
  const int zeile = fAuswahl;
  fZeilen[static_cast<std::size_t>(zeile)] = fElement->fKuerzel.str();
  TextGeaendert(fElement->fKuerzel.str());
  return true;
}

void TKuerzelEditor::Loeschen() {
  if (fElement == nullptr) return;
  const auto zeile = static_cast<std::size_t>(fAuswahl);
  if (!fSchule.ElementLoeschenNachFrage(fElement)) return;
  fElemente.erase(fElemente.begin() + static_cast<std::ptrdiff_t>(zeile));
  fZeilen.erase(fZeilen.begin() + static_cast<std::ptrdiff_t>(zeile));
  fSichtbar = -1;
  TextGeaendert("");
}

void TKuerzelEditor::MengeNachZeilen() {
  KuerzelMengeNeuFuellen(fSchule, ElementArt(fArt), fElemente);
  if (fElement != nullptr) {
    fAuswahl = static_cast<int>(std::find(fElemente.begin(), fElemente.end(), fElement) -
                                fElemente.begin());
    fSichtbar = fAuswahl;
  }
  fSchule.SetDirty();
}

void TKuerzelEditor::Sortieren() {
  if (fZeilen.size() < 2) return;
  TMeldungsFenster meldung(fSchule.Dialog(), "Die K\xFCrzel werden sortiert.");
  bool getauscht = true;
  bool geaendert = false;
  while (getauscht) {
    getauscht = false;
    for (std::size_t i = 0; i + 1 < fZeilen.size(); ++i) {
      if (KuerzelVergleich(fZeilen[i], fZeilen[i + 1]) > 0) {
        std::swap(fZeilen[i], fZeilen[i + 1]);
        std::swap(fElemente[i], fElemente[i + 1]);
        getauscht = geaendert = true;
      }
    }
  }
  // The stored order is what the file keeps, so only a real change counts as one.
  if (geaendert) MengeNachZeilen();
}

void TKuerzelEditor::Verschieben(int von, int nach) {
  const int n = static_cast<int>(fZeilen.size());
  if (von < 0 || von >= n || nach < 0 || nach >= n || von == nach) return;
  const auto wandern = [&](auto& v) {
    auto zeile = std::move(v[static_cast<std::size_t>(von)]);
    v.erase(v.begin() + von);
    v.insert(v.begin() + nach, std::move(zeile));
  };
  wandern(fZeilen);
  wandern(fElemente);
  MengeNachZeilen();
}

bool TKuerzelEditor::Ok() {
  if (!fNeues) return true;
  Neues();
  return false;
}

}  // namespace orbato
