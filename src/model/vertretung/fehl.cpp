#include "model/vertretung/fehl.h"

#include <utility>

#include "model/dokument/schule.h"
#include "model/elemente/planelement.h"

namespace orbato {

bool TFehl::FehltAn(int32_t woche, int32_t tag, int32_t std) const {
  return FehltIn(std) && tag == Wochentag(fDatum) &&
         woche == Schule().fKalender[KalenderWoche(fDatum)];
}

int32_t TFehl::FehltVon() const {
  int32_t std = 1;
  while (std < kMaxStunden && !FehltIn(std)) ++std;
  return std;
}

int32_t TFehl::FehltBis() const {
  int32_t std = kMaxStunden;
  while (std > 1 && !FehltIn(std)) --std;
  return std;
}

void TFehl::AendereVertretung() {
  std::swap(fZeit, fHilfe);
  for (int32_t std = 1; std <= kMaxStunden; ++std) {
    const bool jetzt = FehltIn(std);
    if (jetzt == ((fHilfe & StundenBit(std)) != 0) || fElement == nullptr) continue;
    if (jetzt) {
      fElement->FehltNeuIn(std, fDatum);
    } else {
      fElement->FehltNichtMehrIn(std, fDatum);
    }
  }
}

}  // namespace orbato
