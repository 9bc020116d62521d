#include "model/woche/zeiten.h"

#include <algorithm>

#include "model/dokument/schule.h"
#include "model/fenster/spaltenbreiten.h"

namespace orbato {

std::string ZeitBereinigt(std::string_view text) {
  std::string zeit(text.substr(0, TZeitenWahl::kLaenge));
  if (zeit.size() >= 2) {
    const std::size_t ende = zeit.find_last_not_of(' ');
    zeit.erase(ende == std::string::npos ? 0 : ende + 1);
  }
  return zeit;
}

void ZeitenAendern(TSchule& schule, TStandard& standard, const TStundenBezeichnungen& zeiten,
                   TTextMass& mass) {
  TStundenBezeichnungen bereinigt;
  for (std::size_t w = 0; w < bereinigt.size(); ++w) {
    for (std::size_t s = 0; s < bereinigt[w].size(); ++s) {
      bereinigt[w][s] = ZeitBereinigt(zeiten[w][s]);
    }
  }
  standard.SetStdBez(bereinigt);
  BerechnePlnBreite(standard, mass);
  BerechneDepBreite(standard, mass);
  schule.AlleFensterUpdate();
}

TZeitenWahl::TZeitenWahl(const TStandard& standard)
    : fZeiten(standard.fStdBez),
      fVersionen(standard.WochenZahl()),
      fVersion(std::clamp(standard.fAktuelleWoche, 1, fVersionen)) {}

void TZeitenWahl::SetzeVersion(int32_t version) {
  fVersion = std::clamp(version, 1, fVersionen);
}

const std::string& TZeitenWahl::Zeit(int32_t std) const {
  static const std::string kLeer;
  if (std < 1 || std > kMaxStunden) return kLeer;
  return fZeiten[static_cast<std::size_t>(fVersion - 1)][static_cast<std::size_t>(std - 1)].str();
}

void TZeitenWahl::SetzeZeit(int32_t std, std::string_view text) {
  if (std < 1 || std > kMaxStunden) return;
  fZeiten[static_cast<std::size_t>(fVersion - 1)][static_cast<std::size_t>(std - 1)] = text;
}

void TZeitenWahl::Uebernehmen(TSchule& schule, TStandard& standard, TTextMass& mass) const {
  ZeitenAendern(schule, standard, fZeiten, mass);
}

}  // namespace orbato
