// A placement that comes or goes while absences are recorded: its records and its teacher's
// balance follow. The balance of a teacher always equals his credited substitutions less his
// lessons whose classes are all absent while he is there; a placement adds or takes its part.
#include <set>

#include "model/dokument/schule.h"
#include "model/vertretung/gutschrift.h"

namespace orbato {

namespace {

// The dates on which an absence of the element covers the placement's cell.
std::set<int> FehlTage(const TListe<TFehl>& menge, const TPlanElement* element, const TSetzung& s) {
  std::set<int> tage;
  if (element == nullptr) return tage;
  for (const TFehl* f : menge) {
    if (f->fElement == element && f->FehltAn(s.fWoche, s.fTag, s.fStunde)) {
      tage.insert(GanzerTag(f->fDatum));
    }
  }
  return tage;
}

// The dates on which every class of the course is absent in the placement's cell.
std::set<int> KlassenFehlTage(const TKurs& kurs, const TSetzung& s) {
  std::set<int> tage;
  const TKlasse* erste = kurs.ErsteKlasse();
  for (int tag : FehlTage(Schule().fFehlKlassenMenge, erste, s)) {
    if (kurs.AlleKlassenAbwesend(s.fStunde, nullptr, tag + 0.5)) tage.insert(tag);
  }
  return tage;
}

// A present teacher owes the lessons whose classes are all absent.
void KlassenBilanz(const TKurs& kurs, const TSetzung& s, int32_t vorzeichen) {
  if (kurs.fLehrer == nullptr) return;
  for (int tag : KlassenFehlTage(kurs, s)) {
    if (!kurs.fLehrer->Abwesend(s.fStunde, tag + 0.5)) {
      kurs.fLehrer->AendereVStunden(vorzeichen * kurs.fFaktor, tag + 0.5);
    }
  }
}

}  // namespace

void TKurs::VertretungenAnlegen(TSetzung& s) {
  TSchule& schule = Schule();
  std::set<int> tage = FehlTage(schule.fFehlLehrerMenge, fLehrer, s);
  for (int tag : FehlTage(schule.fFehlRaumMenge, s.fRaum, s)) tage.insert(tag);
  for (int tag : tage) {
    const TDatumZeit datum = tag + 0.5;
    TVertretung* v = NeueVertretung(*this, s, datum);
    v->fGueltig = !AlleKlassenAbwesend(s.fStunde, nullptr, datum);
    if (fLehrer && fLehrer->Abwesend(s.fStunde, datum)) {
      v->fLehrer = nullptr;
    } else {
      v->fLehrer = fLehrer;  // only the room is missing
      VertretungUmordnen(v);
    }
    if (s.fRaum && s.fRaum->Abwesend(s.fStunde, datum)) v->fRaum = nullptr;
    v->FuelleBemerkung();
  }
  KlassenBilanz(*this, s, -1);
}

void TKurs::VertretungenAufgeben(TSetzung& s) {
  while (TVertretung* v = s.fVertretungen.ListeNrInhalt(1)) {
    v->fSetzung = &s;  // so that freeing it takes it out of this list
    if (v->fKurs == nullptr) v->fKurs = this;
    VertretungZerstoeren(v);
  }
  KlassenBilanz(*this, s, +1);
}

}  // namespace orbato
