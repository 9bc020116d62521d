#include "model/kurse/setzung.h"

#include "model/dokument/schule.h"
#include "model/elemente/planelement.h"

namespace orbato {

bool TSetzung::AmRand(const TPlanElement& klasse) const {
  const auto frei = [&](int32_t von, int32_t bis) {
    for (int32_t std = von; std <= bis; ++std) {
      if (klasse.fBesetzung.GetWocheTagStd(fWoche, fTag, std)) return false;
    }
    return true;
  };
  return frei(fStunde + 1, 16) || frei(1, fStunde - 1);
}

TSetzung::~TSetzung() {
  for (TVertretung* v : fVertretungen) VertretungVergessen(v);
}

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

TVertretung* TSetzung::VertretungFinden(TDatumZeit datum) const {
  for (TVertretung* v : fVertretungen) {
    if (GanzerTag(v->fDatum) == GanzerTag(datum)) return v;
  }
  return nullptr;
}

}  // namespace orbato
