#include "model/setzung.h"

#include "model/schule.h"

namespace orbato {

void TSetzung::SetStunde(int32_t std) {
  fStunde = std;
  Schule().SetDirty();
}
void TSetzung::SetTag(int32_t tag) {
  fTag = tag;
  Schule().SetDirty();
}
void TSetzung::SetWoche(int32_t woche) {
  fWoche = woche;
  Schule().SetDirty();
}
void TSetzung::SetRaum(TRaum* raum) {
  fRaum = raum;
  Schule().SetDirty();
}
void TSetzung::SetFixiert(bool fixiert) {
  fFixiert = fixiert;
  Schule().SetDirty();
}

}  // namespace orbato
