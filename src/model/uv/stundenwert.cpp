#include "model/uv/stundenwert.h"

#include <cstdlib>

#include "model/einstellungen/standard.h"

namespace orbato {

std::string StundenWert(int32_t zeiteinheiten) {
  const TStandard& s = Standard();
  const int64_t divisor = s.fDivisor > 0 ? s.fDivisor : 1;
  const int nachKomma = s.fNachKomma < 0 ? 0 : s.fNachKomma > 3 ? 3 : s.fNachKomma;
  int64_t faktor = 1;
  for (int i = 0; i < nachKomma; ++i) faktor *= 10;

  // Whole arithmetic: the shown digits are value * 10^decimals / divisor, rounded half away.
  const int64_t betrag = std::llabs(int64_t{zeiteinheiten}) * faktor;
  const int64_t gerundet = (2 * betrag + divisor) / (2 * divisor);
  std::string text = std::to_string(gerundet / faktor);
  if (nachKomma > 0) {
    std::string rest = std::to_string(gerundet % faktor);
    text += '.' + std::string(nachKomma - rest.size(), '0') + rest;
  }
  if (zeiteinheiten < 0 && gerundet != 0) text.insert(0, 1, '-');
  const std::size_t breite = static_cast<std::size_t>(s.fVorKomma + nachKomma + 1);
  if (text.size() < breite) text.insert(0, breite - text.size(), ' ');
  return text;
}

}  // namespace orbato
