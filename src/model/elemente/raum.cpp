#include "model/elemente/raum.h"

#include "model/einstellungen/standard.h"
#include "model/kurse/kurs.h"

namespace orbato {

TKurs* TRaum::NeuerKurs() {
  auto* kurs = new TKurs;
  kurs->IKurs(nullptr, nullptr, Standard().fKursStd, this, nullptr, nullptr);
  return kurs;
}

TKurs* TRaum::FindeKurs(int32_t woche, int32_t tag, int32_t std) const {
  for (TKurs* k : fKurse) {
    const TSetzung* s = k->SetzungFinden(woche, tag, std);
    if (s && s->fRaum == this) return k;
  }
  return nullptr;
}

}  // namespace orbato
