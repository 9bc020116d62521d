#include "placement/regeln.h"

#include "model/elemente/klasse.h"
#include "model/elemente/lehrer.h"
#include "model/elemente/raum.h"
#include "model/kurse/kurs.h"
#include "placement/wochenspanne.h"

namespace orbato {
namespace {

bool BelegtOderGesperrt(const TWochBereich& sperrung, const TWochBereich& besetzung, int32_t woche,
                        int32_t tag, int32_t std) {
  return sperrung.GetWocheTagStd(woche, tag, std) || besetzung.GetWocheTagStd(woche, tag, std);
}

// The course itself and its teacher are neither blocked nor occupied in the cell.
bool KursUndLehrerFrei(const TKurs& kurs, int32_t woche, int32_t tag, int32_t std) {
  if (BelegtOderGesperrt(kurs.fSperrung, kurs.fBesetzung, woche, tag, std)) return false;
  return kurs.fLehrer == nullptr ||
         !BelegtOderGesperrt(kurs.fLehrer->fSperrung, kurs.fLehrer->fBesetzung, woche, tag, std);
}

}  // namespace

bool KlasseFrei(const TKlasse& klasse, int32_t woche, int32_t tag, const TKopplung* kopplung,
                int32_t std) {
  const TWochenSpanne spanne = Wochen(woche);
  for (int32_t w = spanne.von; w <= spanne.bis; ++w) {
    const TKurs* gefunden = klasse.FindeKurs(w, tag, std);
    if (gefunden == nullptr) continue;
    if (kopplung == nullptr || gefunden->fKopplung != kopplung) return false;
  }
  return true;
}

bool RaumFrei(const TRaum& raum, int32_t woche, int32_t tag, int32_t std) {
  return !BelegtOderGesperrt(raum.fSperrung, raum.fBesetzung, woche, tag, std);
}

bool IstSetzbar(const TKurs& kurs, int32_t woche, int32_t tag, const TKopplung* kopplung,
                int32_t std) {
  if (kurs.RestStunden(woche) < 1 || kurs.fNichtVerplanen) return true;
  if (!KursUndLehrerFrei(kurs, woche, tag, std)) return false;
  for (const TKlasse* k : kurs.fKlassen) {
    if (k->fSperrung.GetWocheTagStd(woche, tag, std)) return false;
    if (!KlasseFrei(*k, woche, tag, kopplung, std)) return false;
  }
  return true;
}

bool SetzungPossible(const TKurs& kurs, int32_t woche, int32_t tag, const TRaum* raum,
                     int32_t std) {
  if (!KursUndLehrerFrei(kurs, woche, tag, std)) return false;
  for (const TKlasse* k : kurs.fKlassen) {
    if (k->fSperrung.GetWocheTagStd(woche, tag, std)) return false;
    const TWochenSpanne spanne = Wochen(woche);
    for (int32_t w = spanne.von; w <= spanne.bis; ++w) {
      // The grid first: looking for the course walks every course of the class.
      if (!k->fBesetzung.GetWocheTagStd(w, tag, std)) continue;
      const TKurs* gefunden = k->FindeKurs(w, tag, std);
      if (gefunden == nullptr) continue;
      if (kurs.fKopplung == nullptr || gefunden->fKopplung != kurs.fKopplung) return false;
    }
  }
  return raum == nullptr || !BelegtOderGesperrt(raum->fSperrung, raum->fBesetzung, woche, tag, std);
}

}  // namespace orbato
