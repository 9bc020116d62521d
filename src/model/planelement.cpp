#include "model/planelement.h"

#include "model/standard.h"

namespace orbato {

TPlanElement::TPlanElement() {
  const TWoElem& vorlage = Standard().fGrWoElem;
  for (int32_t w = 1; w <= fSperrung.ZahlWochen(); ++w) fSperrung.SetWoche(w, vorlage);
}

}  // namespace orbato
