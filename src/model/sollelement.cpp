#include "model/sollelement.h"

#include <algorithm>

#include "model/standard.h"

namespace orbato {

TSollElement::TSollElement() {
  const int32_t vorgabe = Standard().fLeSoll;
  for (int32_t w = 1; w <= fSoll.ZahlWochen(); ++w) fSoll.SetWochenStunde(w, vorgabe);
}

void TSollElement::SetSoll(int32_t woche, int32_t wert) {
  const int64_t hoechstens = std::max<int64_t>(int64_t{Standard().fDivisor} * 200, 0);
  fSoll.SetWochenStunde(woche, static_cast<int32_t>(std::clamp<int64_t>(wert, 0, hoechstens)));
  Geaendert();
}

void TSollElement::KopiereSoll(int32_t wert) {
  const TStandard& s = Standard();
  if (s.fEineWoche) {
    SetSoll(s.fAktuelleWoche, wert);
    return;
  }
  for (int32_t w = 1; w <= s.WochenZahl(); ++w) SetSoll(w, wert);
}

}  // namespace orbato
