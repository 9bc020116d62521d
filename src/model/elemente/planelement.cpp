#include "model/elemente/planelement.h"

#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/elemente/raum.h"
#include "model/kurse/kurs.h"
#include "model/schnittstellen/fenster.h"

namespace orbato {

TPlanElement::TPlanElement() {
  const TWoElem& vorlage = Standard().fGrWoElem;
  for (int32_t w = 1; w <= fSperrung.ZahlWochen(); ++w) fSperrung.SetWoche(w, vorlage);
}

void TPlanElement::FensterUpdate() {
  TElement::FensterUpdate();
  if (fPlnFenster) fPlnFenster->FensterUpdate();
}

void TPlanElement::KopiereSperrung(const TWochBereich& bereich) {
  UebernimmSperrung(fSperrung, bereich, fBesetzung);
  Geaendert();
}

void TPlanElement::SperrungZiehen(int32_t vonTag, int32_t vonStd, int32_t bisTag, int32_t bisStd) {
  orbato::SperrungZiehen(fSperrung, fBesetzung, vonTag, vonStd, bisTag, bisStd);
  Geaendert();
}

TListe<TKurs> TPlanElement::KurseFinden(int32_t woche, int32_t tag, const TPlanElement* raum,
                                        int32_t std) const {
  TListe<TKurs> kurse;
  if (!fBesetzung.GetWocheTagStd(woche, tag, std)) return kurse;
  for (TKurs* k : fKurse) {
    const TSetzung* s = k->SetzungFinden(woche, tag, std);
    if (s && (raum == nullptr || static_cast<const TPlanElement*>(s->fRaum) == raum)) {
      kurse.ListeAnhaengen(k);
    }
  }
  return kurse;
}

std::string TPlanElement::SVZeile(int32_t woche, int32_t tag) const {
  const TStandard& st = Standard();
  int32_t w = st.AufgeloesteWoche(woche);
  if (w == 0) w = st.fAktuelleWoche;
  std::string text(kMaxStunden, 'F');
  int erste = -1, letzte = -1;
  for (int32_t std = 1; std <= kMaxStunden; ++std) {
    char& zeichen = text[std - 1];
    if (fSperrung.GetWocheTagStd(w, tag, std)) {
      zeichen = 'S';
    } else if (fBesetzung.GetWocheTagStd(w, tag, std)) {
      const TKurs* k = FindeKurs(w, tag, std);
      const TSetzung* s = k ? k->SetzungFinden(w, tag, std) : nullptr;
      const bool fix = s && s->fFixiert;
      zeichen = k && k->fKopplung ? (fix ? 'L' : 'K') : (fix ? 'G' : 'E');
    }
    if (std <= st.fPlnStd && zeichen != 'F' && zeichen != 'S') {
      if (erste < 0) erste = std - 1;
      letzte = std - 1;
    }
  }
  for (int i = erste + 1; i < letzte; ++i) {
    if (text[i] == 'F') text[i] = 'U';
  }
  return text;
}

int32_t TPlanElement::SpringStd() const {
  const TStandard& s = Standard();
  const int32_t w = s.fAktuelleWoche;
  int32_t luecken = 0;
  for (int32_t tag = 1; tag <= s.fMaxTageNeu; ++tag) {
    int32_t erste = 0, letzte = 0;
    for (int32_t std = 1; std <= s.fPlnStd; ++std) {
      if (!fBesetzung.GetWocheTagStd(w, tag, std)) continue;
      if (erste == 0) erste = std;
      letzte = std;
    }
    for (int32_t std = erste + 1; std < letzte; ++std) {
      if (!fBesetzung.GetWocheTagStd(w, tag, std) && !fSperrung.GetWocheTagStd(w, tag, std)) {
        ++luecken;
      }
    }
  }
  return luecken;
}

int32_t TPlanElement::RestStd() const {
  int32_t rest = 0;
  for (const TKurs* k : fKurse) {
    if (!k->fNichtVerplanen) rest += k->RestStunden(-1);
  }
  return rest;
}

bool TPlanElement::Abwesend(int32_t std, TDatumZeit datum) const {
  const TListe<TFehl>* liste = Schule().FehlMenge(Art());
  if (liste == nullptr) return false;
  for (const TFehl* f : *liste) {
    if (f->fElement == this && GanzerTag(f->fDatum) == GanzerTag(datum)) return f->FehltIn(std);
  }
  return false;
}

}  // namespace orbato
