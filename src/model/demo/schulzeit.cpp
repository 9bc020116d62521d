#include "model/demo/schulzeit.h"

#include <algorithm>

#include "model/einstellungen/standard.h"
#include "model/elemente/planelement.h"

namespace orbato {

TSchulzeit TSchulzeit::Aus(const TStandard& standard) {
  return {standard.fMaxTageNeu == 6 ? 6 : 5, std::clamp(standard.fPlnStd, 1, kMaxStunden)};
}

void SperreAusserhalb(TPlanElement& element, const TSchulzeit& zeit) {
  for (int32_t tag = 1; tag <= kMaxTage; ++tag) {
    for (int32_t std = 1; std <= kMaxStunden; ++std) {
      if (!zeit.Umfasst(tag, std)) element.fSperrung.SetWocheTagStd(0, tag, true, std);
    }
  }
}

int32_t FreieZellen(const TPlanElement& element, const TSchulzeit& zeit) {
  int32_t wenigste = zeit.Zellen();
  for (int32_t w = 1; w <= element.fSperrung.ZahlWochen(); ++w) {
    int32_t frei = 0;
    for (int32_t tag = 1; tag <= zeit.tage; ++tag) {
      for (int32_t std = 1; std <= zeit.stunden; ++std) {
        if (!element.fSperrung.GetWocheTagStd(w, tag, std)) ++frei;
      }
    }
    wenigste = std::min(wenigste, frei);
  }
  return wenigste;
}

int32_t Platz(const TPlanElement& element, const TSchulzeit& zeit) {
  return FreieZellen(element, zeit) * 9 / 10;
}

}  // namespace orbato
