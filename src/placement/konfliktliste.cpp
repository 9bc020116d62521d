#include "placement/konfliktliste.h"

#include <algorithm>

#include "model/elemente/klasse.h"
#include "model/elemente/lehrer.h"
#include "model/elemente/raum.h"
#include "model/kurse/kurs.h"
#include "placement/setzen.h"
#include "placement/wochenspanne.h"

namespace orbato {
namespace {

// The lessons an element holds in the cell, each a fixed or an unfixed obstacle. With `raum`
// only the lessons held in that room count.
void Belegungen(const TPlanElement& element, TElement* eintrag, int32_t woche, int32_t tag,
                int32_t std, const TPlanElement* raum, TKonfliktArt fixiert, TKonfliktArt besetzt,
                const TKurs* eigenerKurs, const TKopplung* eigeneKopplung, TListe<TKonflikt>& liste,
                int32_t& schwere) {
  if (!element.fBesetzung.GetWocheTagStd(woche, tag, std)) return;
  // The courses of KurseFinden, in their order: a course's own grid tells at once whether it
  // holds the cell, so only those that do are searched for their lesson.
  for (TKurs* k : element.fKurse) {
    if (!k->fBesetzung.GetWocheTagStd(woche, tag, std)) continue;
    const TSetzung* s = k->SetzungFinden(woche, tag, std);
    if (s == nullptr || (raum && static_cast<const TPlanElement*>(s->fRaum) != raum)) continue;
    if (k == eigenerKurs) continue;
    if (eigeneKopplung && k->fKopplung == eigeneKopplung) continue;
    KonfliktEintragen(liste, s->fFixiert ? fixiert : besetzt, k, eintrag, woche, schwere);
  }
}

int32_t Sammle(TKurs& kurs, int32_t tag, int32_t std, TRaum* raum, const TKurs* eigenerKurs,
               const TKopplung* eigeneKopplung, TListe<TKonflikt>& liste) {
  int32_t schwere = 0;
  const TWochenSpanne spanne = Wochenspanne();
  for (int32_t w = spanne.von; w <= spanne.bis; ++w) {
    if (kurs.fSperrung.GetWocheTagStd(w, tag, std)) {
      KonfliktEintragen(liste, kuSp, &kurs, nullptr, w, schwere);
    }
    if (TLehrer* l = kurs.fLehrer) {
      if (l->fSperrung.GetWocheTagStd(w, tag, std)) {
        KonfliktEintragen(liste, leSp, nullptr, l, w, schwere);
      }
      // Nothing is excluded for the teacher: he cannot give two lessons at once, coupled or not.
      Belegungen(*l, l, w, tag, std, nullptr, leFx, leBe, nullptr, nullptr, liste, schwere);
    }
    for (TKlasse* k : kurs.fKlassen) {
      if (k->fSperrung.GetWocheTagStd(w, tag, std)) {
        KonfliktEintragen(liste, klSp, nullptr, k, w, schwere);
      }
      Belegungen(*k, k, w, tag, std, nullptr, klFx, klBe, eigenerKurs, eigeneKopplung, liste,
                 schwere);
    }
    if (raum) {
      if (raum->fSperrung.GetWocheTagStd(w, tag, std)) {
        KonfliktEintragen(liste, raSp, nullptr, raum, w, schwere);
      }
      Belegungen(*raum, raum, w, tag, std, raum, raFx, raBe, nullptr, nullptr, liste, schwere);
    }
  }
  return schwere;
}

}  // namespace

int32_t FuelleKonfliktListe(TKurs& kurs, int32_t neuTag, int32_t neuStd, const TKurs* eigenerKurs,
                            const TKopplung* eigeneKopplung, TListe<TKonflikt>& liste,
                            int32_t altStd, int32_t altTag) {
  TRaum* raum = RaumFinden(kurs, -1, altTag, altStd);
  return Sammle(kurs, neuTag, neuStd, raum, eigenerKurs, eigeneKopplung, liste);
}

int32_t FuelleKonfliktListeMitRaum(TKurs& kurs, int32_t neuTag, int32_t neuStd, TRaum* neuRaum,
                                   const TKurs* eigenerKurs, const TKopplung* eigeneKopplung,
                                   TListe<TKonflikt>& liste, int32_t altStd, int32_t altTag) {
  (void)altStd;
  (void)altTag;
  return Sammle(kurs, neuTag, neuStd, neuRaum, eigenerKurs, eigeneKopplung, liste);
}

int32_t ManKonfliktListe(TKurs& kurs, int32_t tag, int32_t std, TRaum* raum,
                         TListe<TKonflikt>& liste) {
  return Sammle(kurs, tag, std, raum, &kurs, kurs.fKopplung, liste);
}

void ManKoRaumKonflikt(TKurs& kurs, int32_t tag, int32_t std, TListe<TKonflikt>& liste) {
  if (kurs.fRaeume.ListeZahlElemente() == 0) return;
  int32_t schwere = 0;
  const TWochenSpanne spanne = Wochenspanne();
  for (int32_t w = spanne.von; w <= spanne.bis; ++w) {
    const bool keinerFrei = std::all_of(kurs.fRaeume.begin(), kurs.fRaeume.end(), [&](TRaum* r) {
      return r->fSperrung.GetWocheTagStd(w, tag, std) || r->fBesetzung.GetWocheTagStd(w, tag, std);
    });
    if (keinerFrei) KonfliktEintragen(liste, koRa, &kurs, nullptr, w, schwere);
  }
}

}  // namespace orbato
