#include "model/einstellungen/stundenzeitenwahl.h"

#include "model/einstellungen/standard.h"

namespace orbato {

TStundenZeitenWahl::TStundenZeitenWahl(const TStandard& standard) : fZeiten(standard.fStdZeiten) {}

std::string TStundenZeitenWahl::Beginn(int std) const {
  return UhrzeitText(Zeit(std).fBeginn);
}

std::string TStundenZeitenWahl::Ende(int std) const {
  return UhrzeitText(Zeit(std).fEnde);
}

bool TStundenZeitenWahl::SetzeBeginn(int std, std::string_view text) {
  const auto minuten = LiesUhrzeit(text);
  if (minuten) Zeit(std).fBeginn = *minuten;
  return minuten.has_value();
}

bool TStundenZeitenWahl::SetzeEnde(int std, std::string_view text) {
  const auto minuten = LiesUhrzeit(text);
  if (minuten) Zeit(std).fEnde = *minuten;
  return minuten.has_value();
}

int TStundenZeitenWahl::FalscheStunde() const {
  for (int std = 1; std <= static_cast<int>(fZeiten.size()); ++std) {
    if (Zeit(std).fEnde <= Zeit(std).fBeginn) return std;
  }
  return 0;
}

std::string TStundenZeitenWahl::Meldung(int std) {
  return "Die " + std::to_string(std) + ". Stunde muss nach ihrem Beginn enden.";
}

bool TStundenZeitenWahl::Uebernehmen(TStandard& standard) const {
  if (FalscheStunde() != 0) return false;
  standard.fStdZeiten = fZeiten;
  return true;
}

}  // namespace orbato
