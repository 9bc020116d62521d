#include "model/vertretung/gutschrift.h"

#include "model/dokument/schule.h"

namespace orbato {

TLehrer* GutgeschriebenerLehrer(const TVertretung& v) {
  return v.EchteVertretung() && v.fAngerechnet && v.fGueltig ? v.fLehrer : nullptr;
}

TGutschrift::TGutschrift(TVertretung* v)
    : fV(v),
      fVertreter(v->fLehrer),
      fLehrer(GutgeschriebenerLehrer(*v)),
      fBetrag(v->Faktor()),
      fDatum(v->fDatum) {}

void TGutschrift::Abschliessen() {
  if (fFertig) return;
  fFertig = true;
  if (fV && fV->fLehrer != fVertreter) VertretungUmordnen(fV);
  TLehrer* jetzt = fV ? GutgeschriebenerLehrer(*fV) : nullptr;
  const int32_t betrag = fV ? fV->Faktor() : 0;
  if (jetzt == fLehrer && betrag == fBetrag) return;
  if (fLehrer) fLehrer->AendereVStunden(-fBetrag, fDatum);
  if (jetzt) jetzt->AendereVStunden(betrag, fDatum);
}

std::vector<TVertretung*> VertretungenAm(TDatumZeit datum, int32_t std) {
  std::vector<TVertretung*> treffer;
  const int tag = GanzerTag(datum);
  for (TVertretung* v : Schule().fVertretungsMenge) {
    if (GanzerTag(v->fDatum) == tag && v->Stunde() == std) treffer.push_back(v);
  }
  return treffer;
}

bool NochDa(const TVertretung* v) {
  return Schule().fVertretungsMenge.ListeElemNr(v) > 0;
}

}  // namespace orbato
