// What an absence, newly recorded or lifted for one period of one date, does to the substitution
// records of the lessons concerned and to the teachers' balances.
#include "model/dokument/schule.h"
#include "model/schnittstellen/fenster.h"
#include "model/vertretung/gutschrift.h"
#include "model/vertretung/kalender.h"

namespace orbato {

namespace {

struct TZelle {
  int32_t woche;
  int32_t tag;
};

TZelle ZelleAm(TDatumZeit datum) {
  return {PlanVersionAm(datum), Wochentag(datum)};
}

void WahlListeAktualisieren() {
  Schule().FensterUpdate(TFensterTyp::Vertretungswahl);
}

// The teacher gives no substitution in that period any more.
void AlsVertreterAustragen(TLehrer& lehrer, int32_t std, TDatumZeit datum) {
  for (TVertretung* v : VertretungenAm(datum, std)) {
    if (!NochDa(v) || v->fLehrer != &lehrer || !v->EchteVertretung()) continue;
    TGutschrift gutschrift(v);
    if (v->fZu && v->fZu->fVon == v) VertretungZerstoeren(v->fZu);
    v->SetLehrer(nullptr);
    v->FuelleBemerkung();
  }
}

// The lessons of the teacher's courses in that period of the date.
template <class F>
void JedeStunde(const TPlanElement& element, const TPlanElement* raum, int32_t std,
                TDatumZeit datum, F&& f) {
  const TZelle z = ZelleAm(datum);
  for (TKurs* k : element.KurseFinden(z.woche, z.tag, raum, std)) {
    if (TSetzung* s = k->SetzungFinden(z.woche, z.tag, std)) f(*k, *s);
  }
}

}  // namespace

void TLehrer::FehltNeuIn(int32_t std, TDatumZeit datum) {
  AlsVertreterAustragen(*this, std, datum);
  JedeStunde(*this, nullptr, std, datum, [&](TKurs& k, TSetzung& s) {
    TVertretung* v = s.VertretungFinden(datum);
    if (v) {
      TGutschrift gutschrift(v);
      if (v->fZu && v->fZu->fVon == v) VertretungZerstoeren(v->fZu);
      v->SetLehrer(nullptr);
    } else {
      v = NeueVertretung(k, s, datum);
    }
    const bool alle = k.AlleKlassenAbwesend(std, nullptr, datum);
    v->SetGueltig(!alle);
    v->FuelleBemerkung();
    // His free period from the absent classes no longer counts against him.
    if (alle) {
      AendereVStunden(k.fFaktor, datum);
      WahlListeAktualisieren();
    }
  });
}

void TLehrer::FehltNichtMehrIn(int32_t std, TDatumZeit datum) {
  JedeStunde(*this, nullptr, std, datum, [&](TKurs& k, TSetzung& s) {
    // A record of his lesson that only a missing room still needs stays.
    const bool raumFehlt = s.fRaum && s.fRaum->Abwesend(std, datum);
    while (TVertretung* v = s.VertretungFinden(datum)) {
      if (raumFehlt && v->fLehrer == this) break;
      if (raumFehlt) {
        TGutschrift gutschrift(v);
        if (v->fZu && v->fZu->fVon == v) VertretungZerstoeren(v->fZu);
        v->SetLehrer(this);
        v->FuelleBemerkung();
        break;
      }
      VertretungZerstoeren(v);
    }
    if (k.AlleKlassenAbwesend(std, nullptr, datum)) AendereVStunden(-k.fFaktor, datum);
  });
  AlsVertreterAustragen(*this, std, datum);
}

void TKlasse::FehltNeuIn(int32_t std, TDatumZeit datum) {
  JedeStunde(*this, nullptr, std, datum, [&](TKurs& k, TSetzung& s) {
    if (!k.AlleKlassenAbwesend(std, nullptr, datum)) return;
    // The teacher is freed and owes the period.
    if (k.fLehrer && !k.fLehrer->Abwesend(std, datum))
      k.fLehrer->AendereVStunden(-k.fFaktor, datum);
    for (TVertretung* v : VertretungenAm(datum, std)) {
      if (NochDa(v) && v->fSetzung == &s) v->MacheUngueltig();
    }
  });
}

void TKlasse::FehltNichtMehrIn(int32_t std, TDatumZeit datum) {
  JedeStunde(*this, nullptr, std, datum, [&](TKurs& k, TSetzung& s) {
    if (!k.AlleKlassenAbwesend(std, this, datum)) return;
    if (k.fLehrer && !k.fLehrer->Abwesend(std, datum)) k.fLehrer->AendereVStunden(k.fFaktor, datum);
    for (TVertretung* v : VertretungenAm(datum, std)) {
      if (!NochDa(v)) continue;
      if (v->fSetzung == &s) {
        TGutschrift gutschrift(v);
        v->MacheGueltig();
        continue;
      }
      // The class needs its room again: lessons moved into it lose it.
      if (s.fRaum && v->fRaum == s.fRaum) {
        TGutschrift gutschrift(v);
        v->SetRaum(nullptr);
        if (!v->KlassenAbwesend()) v->MacheGueltig();
        v->FuelleBemerkung();
      }
    }
  });
}

void TRaum::FehltNeuIn(int32_t std, TDatumZeit datum) {
  FehltNichtMehrIn(std, datum);
  JedeStunde(*this, this, std, datum, [&](TKurs& k, TSetzung& s) {
    if (TVertretung* v = s.VertretungFinden(datum)) {
      v->SetRaum(nullptr);
      v->FuelleBemerkung();
      return;
    }
    TVertretung* v = NeueVertretung(k, s, datum);
    v->fLehrer = k.fLehrer;
    VertretungUmordnen(v);
    v->fRaum = nullptr;
    v->fGueltig = !k.AlleKlassenAbwesend(std, nullptr, datum);
    v->FuelleBemerkung();
  });
}

void TRaum::FehltNichtMehrIn(int32_t std, TDatumZeit datum) {
  // The records that only the missing room needed go, whoever was entered into them.
  for (TVertretung* v : VertretungenAm(datum, std)) {
    if (!NochDa(v) || v->fSetzung == nullptr || v->fSetzung->fRaum != this || v->fVon) continue;
    const TLehrer* lehrer = v->fKurs ? v->fKurs->fLehrer : nullptr;
    if (lehrer == nullptr || !lehrer->Abwesend(std, datum)) VertretungZerstoeren(v);
  }
  for (TVertretung* v : VertretungenAm(datum, std)) {
    if (!NochDa(v) || v->fRaum != this || (v->fSetzung && v->fSetzung->fRaum == this)) continue;
    v->SetRaum(nullptr);
    v->FuelleBemerkung();
  }
}

}  // namespace orbato
