#include "model/woche/wochbereich.h"

#include <algorithm>

#include "model/einstellungen/standard.h"

namespace orbato {

namespace {

// The bits of a day word that stand for periods 1..16. The cell-by-cell definition of the bulk
// operations never reads or writes the bits above, so the word-wise versions mask them out.
constexpr uint32_t kStundenMaske = 0xFFFFu;

bool TagGueltig(int32_t tag) {
  return tag >= 1 && tag <= kMaxTage;
}
bool StdGueltig(int32_t std) {
  return std >= 1 && std <= 32;
}

uint32_t StdMaske(int32_t std) {
  return std == 0 ? kStundenMaske : uint32_t{1} << (std - 1);
}

}  // namespace

TWochBereich::TWochBereich() {
  SetWochenZahl(Standard().WochenZahl());
}

void TWochBereich::SetWochenZahl(int32_t wochen) {
  const int32_t neu = std::clamp(wochen, 0, kMaxWochen);
  // Dropped versions are zeroed right away so that growing again yields empty versions.
  for (int32_t w = neu; w < fZahl; ++w) fWochen[static_cast<std::size_t>(w)] = TWoElem{};
  fZahl = neu;
}

TWoElem* TWochBereich::GetWoche(int32_t woche) {
  return woche >= 1 && woche <= fZahl ? &fWochen[static_cast<std::size_t>(woche - 1)] : nullptr;
}

const TWoElem* TWochBereich::GetWoche(int32_t woche) const {
  return woche >= 1 && woche <= fZahl ? &fWochen[static_cast<std::size_t>(woche - 1)] : nullptr;
}

void TWochBereich::SetWoche(int32_t woche, const TWoElem& elem) {
  TWoElem* ziel = GetWoche(woche);
  if (ziel == nullptr) return;
  for (int32_t tag = 1; tag <= kMaxTage; ++tag) ziel->SetTag(tag, elem.GetTag(tag));
}

void TWochBereich::SetWocheTag(int32_t woche, int32_t tag, int32_t wert) {
  TWoElem* ziel = GetWoche(woche);
  if (ziel != nullptr && TagGueltig(tag)) ziel->SetTag(tag, wert);
}

int32_t TWochBereich::GetWocheTag(int32_t woche, int32_t tag) const {
  const TWoElem* quelle = GetWoche(woche);
  return quelle != nullptr && TagGueltig(tag) ? quelle->GetTag(tag) : 0;
}

void TWochBereich::SetWocheTagStd(int32_t woche, int32_t tag, bool wert, int32_t std) {
  if (std != 0 && !StdGueltig(std)) return;
  if (tag != 0 && !TagGueltig(tag)) return;
  const uint32_t maske = StdMaske(std);
  const int32_t w = Standard().AufgeloesteWoche(woche);
  if (w != 0) {
    SetzeBits(w, tag, wert, maske);
    return;
  }
  const int32_t bis = AktiveWochen();
  for (int32_t v = 1; v <= bis; ++v) SetzeBits(v, tag, wert, maske);
}

bool TWochBereich::GetWocheTagStd(int32_t woche, int32_t tag, int32_t std) const {
  if (!TagGueltig(tag) || !StdGueltig(std)) return false;
  const uint32_t bit = uint32_t{1} << (std - 1);
  const int32_t w = Standard().AufgeloesteWoche(woche);
  if (w != 0) return (Wort(w, tag) & bit) != 0;
  const int32_t bis = AktiveWochen();
  for (int32_t v = 1; v <= bis; ++v) {
    if (Wort(v, tag) & bit) return true;
  }
  return false;
}

void TWochBereich::ReinigeSperrung(TWochBereich& theSperrung) const {
  const int32_t bis = std::min(AktiveWochen(), theSperrung.fZahl);
  for (int32_t w = 1; w <= bis; ++w) {
    for (int32_t tag = 1; tag <= kMaxTage; ++tag) {
      const uint32_t belegt = Wort(w, tag) & kStundenMaske;
      theSperrung.SetzeWort(w, tag, theSperrung.Wort(w, tag) & ~belegt);
    }
  }
}

void TWochBereich::OrBereich(const TWochBereich& theBereich) {
  const int32_t bis = AktiveWochen();
  for (int32_t w = 1; w <= bis; ++w) {
    for (int32_t tag = 1; tag <= kMaxTage; ++tag) {
      SetzeWort(w, tag, Wort(w, tag) | (theBereich.Wort(w, tag) & kStundenMaske));
    }
  }
}

void TWochBereich::AndOrBereich(const TWochBereich& aBereich, const TWochBereich& bBereich) {
  const int32_t bis = AktiveWochen();
  for (int32_t w = 1; w <= bis; ++w) {
    for (int32_t tag = 1; tag <= kMaxTage; ++tag) {
      const uint32_t oder = aBereich.Wort(w, tag) | bBereich.Wort(w, tag);
      SetzeWort(w, tag, Wort(w, tag) & (oder | ~kStundenMaske));
    }
  }
}

bool TWochBereich::GleichBereich() const {
  const int32_t bis = AktiveWochen();
  const int32_t tage = std::clamp(Standard().fMaxTageNeu, 1, kMaxTage);
  for (int32_t w = 2; w <= bis; ++w) {
    for (int32_t tag = 1; tag <= tage; ++tag) {
      if (Wort(w, tag) != Wort(1, tag)) return false;
    }
  }
  return true;
}

int32_t TWochBereich::AktiveWochen() const {
  return std::min(Standard().WochenZahl(), fZahl);
}

uint32_t TWochBereich::Wort(int32_t woche, int32_t tag) const {
  const TWoElem* quelle = GetWoche(woche);
  return quelle != nullptr ? static_cast<uint32_t>(quelle->GetTag(tag)) : 0u;
}

void TWochBereich::SetzeWort(int32_t woche, int32_t tag, uint32_t wort) {
  TWoElem* ziel = GetWoche(woche);
  if (ziel != nullptr) ziel->SetTag(tag, static_cast<int32_t>(wort));
}

void TWochBereich::SetzeBits(int32_t woche, int32_t tag, bool wert, uint32_t maske) {
  TWoElem* ziel = GetWoche(woche);
  if (ziel == nullptr) return;
  const int32_t von = tag == 0 ? 1 : tag;
  const int32_t bis = tag == 0 ? kMaxTage : tag;
  for (int32_t t = von; t <= bis; ++t) {
    const uint32_t alt = static_cast<uint32_t>(ziel->GetTag(t));
    ziel->SetTag(t, static_cast<int32_t>(wert ? (alt | maske) : (alt & ~maske)));
  }
}

void UebernimmSperrung(TWochBereich& sperrung, const TWochBereich& vorlage,
                       const TWochBereich& besetzung) {
  const TStandard& s = Standard();
  for (int32_t w = s.ErsteAuswahlWoche(); w <= s.LetzteAuswahlWoche(); ++w) {
    for (int32_t tag = 1; tag <= kMaxTage; ++tag) {
      for (int32_t std = 1; std <= kMaxStunden; ++std) {
        const bool gesperrt =
            vorlage.GetWocheTagStd(w, tag, std) && !besetzung.GetWocheTagStd(w, tag, std);
        sperrung.SetWocheTagStd(w, tag, gesperrt, std);
      }
    }
  }
}

void SperrungZiehen(TWochBereich& sperrung, const TWochBereich& besetzung, int32_t vonTag,
                    int32_t vonStd, int32_t bisTag, int32_t bisStd) {
  const TStandard& s = Standard();
  const bool wert = !sperrung.GetWocheTagStd(s.fAktuelleWoche, vonTag, vonStd);
  for (int32_t w = s.ErsteAuswahlWoche(); w <= s.LetzteAuswahlWoche(); ++w) {
    for (int32_t t = std::min(vonTag, bisTag); t <= std::max(vonTag, bisTag); ++t) {
      for (int32_t p = std::min(vonStd, bisStd); p <= std::max(vonStd, bisStd); ++p) {
        if (!besetzung.GetWocheTagStd(w, t, p)) sperrung.SetWocheTagStd(w, t, wert, p);
      }
    }
  }
}

}  // namespace orbato
