#include "placement/setzen.h"

#include "model/dokument/schule.h"
#include "model/dokument/undo.h"
#include "model/elemente/klasse.h"
#include "model/elemente/kopplung.h"
#include "model/elemente/lehrer.h"
#include "model/elemente/raum.h"
#include "model/kurse/kurs.h"
#include "model/schnittstellen/fenster.h"
#include "placement/planzellen.h"
#include "placement/regeln.h"
#include "placement/wochenspanne.h"

namespace orbato {
namespace {

void Merke(TKurs& kurs, const TSetzung& setzung, TUndoArt art) {
  if (TUndoProtokoll* protokoll = Schule().fProtokoll) protokoll->Merke(&kurs, setzung, art);
}

// A class window shows the lesson still there after one left the cell, or nothing.
void KlassenZellenZeigen(const TKurs& kurs, int32_t woche, int32_t tag, int32_t std) {
  for (TKlasse* k : kurs.fKlassen) {
    TPlanZellen* zellen = PlanZellen(*k);
    if (zellen == nullptr || zellen->ZellWoche() != woche) continue;
    TKurs* bleibt = k->FindeKurs(woche, tag, std);
    const TSetzung* s = bleibt ? bleibt->SetzungFinden(woche, tag, std) : nullptr;
    zellen->ZelleZeigen(tag, std, bleibt, s == nullptr ? ' ' : s->fFixiert ? 'F' : 'N');
  }
}

void SetzeBits(TPlanElement* e, int32_t woche, int32_t tag, bool wert, int32_t std) {
  if (e) e->fBesetzung.SetWocheTagStd(woche, tag, wert, std);
}

}  // namespace

TPlanZellen* PlanZellen(const TPlanElement& element) {
  return dynamic_cast<TPlanZellen*>(element.fPlnFenster);
}

void PlanFensterAktualisieren(const TKurs& kurs, const TRaum* raum) {
  const auto update = [](const TPlanElement* e) {
    if (e && e->fPlnFenster) e->fPlnFenster->FensterUpdate();
  };
  update(kurs.fLehrer);
  for (const TKlasse* k : kurs.fKlassen) update(k);
  update(raum);
  Schule().BelegungGeaendert();
}

TSetzung* NeueSetzung(TKurs& kurs, int32_t woche, int32_t tag, TRaum* raum, int32_t std) {
  if (kurs.fNichtVerplanen || kurs.RestStunden(woche) <= 0) return nullptr;
  return VerlegteSetzung(kurs, woche, tag, raum, std);
}

TSetzung* VerlegteSetzung(TKurs& kurs, int32_t woche, int32_t tag, TRaum* raum, int32_t std) {
  auto* setzung = new TSetzung(woche, tag, std, raum);
  TSchule& schule = Schule();
  kurs.VertretungenAnlegen(*setzung);
  Merke(kurs, *setzung, hin);
  kurs.SetzungAufnehmen(setzung);
  kurs.MerkeZeit(raum, schule.Jetzt());
  PlanFensterAktualisieren(kurs, raum);
  schule.SetDirty();
  return setzung;
}

void SetzungEntfernen(TKurs& kurs, TSetzung* setzung) {
  if (setzung == nullptr || kurs.fSetzungen.ListeElemNr(setzung) == 0) return;
  Merke(kurs, *setzung, weg);
  const int32_t woche = setzung->fWoche;
  const int32_t tag = setzung->fTag;
  const int32_t std = setzung->fStunde;
  TRaum* raum = setzung->fRaum;
  kurs.MerkeZeit(raum, Schule().Jetzt());
  kurs.SetzungAufgeben(setzung);
  KlassenZellenZeigen(kurs, woche, tag, std);
  PlanFensterAktualisieren(kurs, raum);
  Schule().SetDirty();
}

void LoescheSetzung(TKurs& kurs, int32_t woche, int32_t tag, bool ganzeKopplung, int32_t std) {
  if (ganzeKopplung && kurs.fKopplung) {
    for (TKurs* k : kurs.fKopplung->fKurse) LoescheSetzung(*k, woche, tag, false, std);
    return;
  }
  const TWochenSpanne spanne = Wochen(woche);
  for (int32_t w = spanne.von; w <= spanne.bis; ++w) {
    SetzungEntfernen(kurs, kurs.SetzungFinden(w, tag, std));
  }
}

void AlleSetzungenEntfernen(TKurs& kurs) {
  while (TSetzung* s = kurs.fSetzungen.ListeNrInhalt(1)) SetzungEntfernen(kurs, s);
}

namespace {

// The courses of the coupling that have a lesson in the old cell, read before any of them moves.
std::vector<TKurs*> KopplungImAltenFeld(const TKurs& kurs, int32_t altTag, int32_t altStd) {
  std::vector<TKurs*> kurse;
  for (TKurs* k : kurs.fKopplung->fKurse) {
    if (k->fBesetzung.GetWocheTagStd(-1, altTag, altStd)) kurse.push_back(k);
  }
  return kurse;
}

// The course alone, in each version of the selection; `raum` none keeps each version's room.
void SchiebeAllein(TKurs& kurs, int32_t neuTag, int32_t neuStd, TRaum* raum, bool eigenerRaum,
                   int32_t altStd, int32_t altTag) {
  const TWochenSpanne spanne = Wochenspanne();
  for (int32_t w = spanne.von; w <= spanne.bis; ++w) {
    TRaum* ziel = eigenerRaum ? raum : RaumFinden(kurs, w, altTag, altStd);
    LoescheSetzung(kurs, w, altTag, false, altStd);
    NeueSetzung(kurs, w, neuTag, ziel, neuStd);
  }
}

}  // namespace

void Schiebe(TKurs& kurs, int32_t neuTag, int32_t neuStd, bool mitKopplung, int32_t altStd,
             int32_t altTag) {
  if (mitKopplung && kurs.fKopplung) {
    for (TKurs* k : KopplungImAltenFeld(kurs, altTag, altStd)) {
      SchiebeAllein(*k, neuTag, neuStd, nullptr, false, altStd, altTag);
    }
    return;
  }
  SchiebeAllein(kurs, neuTag, neuStd, nullptr, false, altStd, altTag);
}

void SchiebeMitRaum(TKurs& kurs, int32_t neuTag, int32_t neuStd, TRaum* raum, bool mitKopplung,
                    int32_t altStd, int32_t altTag) {
  if (mitKopplung && kurs.fKopplung) {
    for (TKurs* k : KopplungImAltenFeld(kurs, altTag, altStd)) {
      if (k != &kurs) SchiebeAllein(*k, neuTag, neuStd, nullptr, false, altStd, altTag);
    }
  }
  SchiebeAllein(kurs, neuTag, neuStd, raum, true, altStd, altTag);
}

void AendereBesetzung(TKurs& kurs, int32_t woche, int32_t tag, bool mitKopplung, bool wert,
                      int32_t std) {
  if (mitKopplung && kurs.fKopplung) {
    for (TKurs* k : kurs.fKopplung->fKurse) AendereBesetzung(*k, woche, tag, false, wert, std);
    return;
  }
  const TWochenSpanne spanne = Wochen(woche);
  for (int32_t w = spanne.von; w <= spanne.bis; ++w) {
    const TSetzung* s = kurs.SetzungFinden(w, tag, std);
    if (s == nullptr) continue;
    kurs.fBesetzung.SetWocheTagStd(w, tag, wert, std);
    SetzeBits(kurs.fLehrer, w, tag, wert, std);
    for (TKlasse* k : kurs.fKlassen) SetzeBits(k, w, tag, wert, std);
    SetzeBits(s->fRaum, w, tag, wert, std);
  }
}

TRaum* RaumFinden(const TKurs& kurs, int32_t woche, int32_t tag, int32_t std) {
  const TWochenSpanne spanne = Wochen(woche);
  TRaum* raum = nullptr;
  bool gefunden = false;
  for (int32_t w = spanne.von; w <= spanne.bis; ++w) {
    const TSetzung* s = kurs.SetzungFinden(w, tag, std);
    if (s == nullptr) continue;
    // Versions that disagree, a lesson without a room among them, leave the room open.
    if (gefunden && s->fRaum != raum) return nullptr;
    raum = s->fRaum;
    gefunden = true;
  }
  return raum;
}

TRaum* FreierRaum(const TKurs& kurs, int32_t woche, int32_t tag, int32_t std) {
  for (TRaum* r : kurs.fRaeume) {
    if (RaumFrei(*r, woche, tag, std)) return r;
  }
  return nullptr;
}

}  // namespace orbato
