#include "model/raum.h"

#include "model/kurs.h"

namespace orbato {

TKurs* TRaum::FindeKurs(int32_t woche, int32_t tag, int32_t std) const {
  for (TKurs* k : fKurse) {
    const TSetzung* s = k->SetzungFinden(woche, tag, std);
    if (s && s->fRaum == this) return k;
  }
  return nullptr;
}

}  // namespace orbato
