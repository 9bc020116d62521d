#include "placement/eignung.h"

#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/kurse/setzung.h"

namespace orbato {

bool UngeeigneterTag(const TSetzung& setzung, TDatumZeit datum) {
  if (Wochentag(datum) != setzung.fTag) return true;
  if (Schule().fKalender[KalenderWoche(datum)] != setzung.fWoche) return true;
  if (Standard().FerienTag(datum)) return true;
  // Substitution dates are kept at noon: compare whole days.
  for (const TVertretung* v : setzung.fVertretungen) {
    if (GanzerTag(v->fDatum) == GanzerTag(datum)) return true;
  }
  return false;
}

}  // namespace orbato
