#include <algorithm>
#include <utility>

#include "model/dokument/schule.h"
#include "model/schnittstellen/fenster.h"
#include "model/vertretung/gutschrift.h"
#include "model/vertretung/kalender.h"

namespace orbato {

namespace {

int Vergleiche(const TElement* a, const TElement* b) {
  if (a == b) return 0;
  if (a == nullptr) return -1;
  if (b == nullptr) return 1;
  return ReihenVergleich(a, b);
}

int Vergleiche(int32_t a, int32_t b) {
  return a < b ? -1 : a > b ? 1 : 0;
}

// Records with a real substitute come first.
int EchteZuerst(const TVertretung* a, const TVertretung* b) {
  return Vergleiche(b->EchteVertretung() ? 1 : 0, a->EchteVertretung() ? 1 : 0);
}

}  // namespace

void TVertretung::SetDatum(TDatumZeit datum) {
  fDatum = datum;
  Schule().SetDirty();
}
void TVertretung::SetAdHoc(TDatumZeit adHoc) {
  fAdHoc = adHoc;
  Schule().SetDirty();
}
void TVertretung::SetKurs(TKurs* kurs) {
  fKurs = kurs;
  Schule().SetDirty();
}
void TVertretung::SetSetzung(TSetzung* setzung) {
  fSetzung = setzung;
  Schule().SetDirty();
}
void TVertretung::SetLehrer(TLehrer* lehrer) {
  fLehrer = lehrer;
  Schule().SetDirty();
}
void TVertretung::SetFach(TFach* fach) {
  fFach = fach;
  Schule().SetDirty();
}
void TVertretung::SetRaum(TRaum* raum) {
  fRaum = raum;
  Schule().SetDirty();
}
void TVertretung::SetLInfo(std::string_view text) {
  fLInfo = text;
  Schule().SetDirty();
}
void TVertretung::SetSInfo(std::string_view text) {
  fSInfo = text;
  Schule().SetDirty();
}
void TVertretung::SetFrei(bool frei) {
  fFrei = frei;
  Schule().SetDirty();
}
void TVertretung::SetGueltig(bool gueltig) {
  fGueltig = gueltig;
  Schule().SetDirty();
}
void TVertretung::SetAngerechnet(bool angerechnet) {
  fAngerechnet = angerechnet;
  Schule().SetDirty();
}
void TVertretung::SetVon(TVertretung* von) {
  fVon = von;
  Schule().SetDirty();
}
void TVertretung::SetZu(TVertretung* zu) {
  fZu = zu;
  Schule().SetDirty();
}

int32_t TVertretung::Faktor() const {
  return fKurs ? fKurs->fFaktor : 0;
}
int32_t TVertretung::Woche() const {
  return fSetzung ? fSetzung->fWoche : 0;
}
int32_t TVertretung::Tag() const {
  return fSetzung ? fSetzung->fTag : 0;
}
int32_t TVertretung::Stunde() const {
  return fSetzung ? fSetzung->fStunde : 0;
}

bool TVertretung::KlassenAbwesend() const {
  return fKurs && fKurs->AlleKlassenAbwesend(Stunde(), nullptr, fDatum);
}

bool TVertretung::EchteVertretung() const {
  return fLehrer != nullptr && (fKurs == nullptr || fLehrer != fKurs->fLehrer);
}

int VertretungVergleich(const TVertretung* a, const TVertretung* b) {
  return VertretungVergleichNach(a, b, Standard().fVertrSortArt);
}

int VertretungVergleichNach(const TVertretung* a, const TVertretung* b, int32_t art) {
  if (int c = Vergleiche(GanzerTag(a->fDatum), GanzerTag(b->fDatum))) return c;
  const TKurs* ka = a->fKurs;
  const TKurs* kb = b->fKurs;
  const TElement* lehrerA = ka ? ka->fLehrer : nullptr;
  const TElement* lehrerB = kb ? kb->fLehrer : nullptr;
  const TElement* fachA = ka ? ka->fFach : nullptr;
  const TElement* fachB = kb ? kb->fFach : nullptr;
  const int stunde = Vergleiche(a->Stunde(), b->Stunde());
  const int lehrer = Vergleiche(lehrerA, lehrerB);
  int folge[4] = {0, 0, 0, 0};
  switch (art) {
    case 1:
      folge[0] = EchteZuerst(a, b);
      folge[1] = lehrer;
      folge[2] = stunde;
      break;
    case 2:
      folge[0] = Vergleiche(a->fLehrer, b->fLehrer);
      folge[1] = stunde;
      break;
    case 3:
      folge[0] = EchteZuerst(a, b);
      folge[1] = stunde;
      folge[2] = lehrer;
      break;
    default:
      folge[0] = EchteZuerst(a, b);
      folge[1] = Vergleiche(ka ? ka->ErsteKlasse() : nullptr, kb ? kb->ErsteKlasse() : nullptr);
      folge[2] = stunde;
      folge[3] = lehrer;
      break;
  }
  for (int c : folge) {
    if (c) return c;
  }
  return Vergleiche(fachA, fachB);
}

void VertretungEinordnen(TVertretung* v) {
  Schule().fVertretungsMenge.ListeEinfuegen(v, VertretungVergleich);
}

void VertretungUmordnen(TVertretung* v) {
  TListe<TVertretung>& alle = Schule().fVertretungsMenge;
  if (!alle.ListeElemEnthalten(v)) return;
  alle.ListeLoeschen(false);
  alle.ListeEinfuegen(v, VertretungVergleich);
}

void VertretungenSortieren() {
  Schule().fVertretungsMenge.ListeSort(VertretungVergleich);
  Schule().SetDirty();
}

void VertretungenOrdnen() {
  const TListe<TVertretung>& alle = Schule().fVertretungsMenge;
  const bool geordnet = std::is_sorted(alle.begin(), alle.end(), [](const auto* a, const auto* b) {
    return VertretungVergleich(a, b) < 0;
  });
  // The file keeps the records with their placements, not in this order, so sorting changes
  // nothing that is saved.
  if (!geordnet) Schule().fVertretungsMenge.ListeSort(VertretungVergleich);
}

TVertretung* NeueVertretung(TKurs& kurs, TSetzung& setzung, TDatumZeit datum) {
  auto* v = new TVertretung;
  v->fDatum = Mittag(datum);
  v->fAdHoc = HeuteMittag();
  v->fKurs = &kurs;
  v->fSetzung = &setzung;
  v->fFach = kurs.fFach;
  v->fRaum = setzung.fRaum;
  v->fAngerechnet = !kurs.fNichtZaehlenLe;
  setzung.fVertretungen.ListeAnhaengen(v);
  VertretungEinordnen(v);
  Schule().SetDirty();
  return v;
}

void TVertretung::Korrektur() {
  if (fKurs && fKurs->fLehrer && !KlassenAbwesend()) {
    fKurs->fLehrer->AendereVStunden(-Faktor(), fDatum);
  }
}

void VertretungZerstoeren(TVertretung* v) {
  if (v == nullptr) return;
  TSchule& schule = Schule();
  // Links are cut before the record created because of this one goes first, with its own
  // balance, so that even a circle read from a damaged file ends.
  TVertretung* von = v->fVon;
  if (von && von->fZu == v) von->fZu = nullptr;
  if (TVertretung* zu = std::exchange(v->fZu, nullptr); zu && zu->fVon == v) {
    zu->fVon = nullptr;
    VertretungZerstoeren(zu);
  }
  {
    TGutschrift gutschrift(v);
    if (!v->fGueltig && v->fAngerechnet && !v->KlassenAbwesend()) v->Korrektur();
    v->fLehrer = nullptr;
  }
  v->fStattListe.ListeEntfernen(true);
  VertretungFreigeben(v);
  // The record that caused it no longer swaps with anything.
  if (von && NochDa(von)) von->FuelleBemerkung();
  schule.SetDirty();
  schule.FensterUpdate(TFensterTyp::Vertretungen);
}

}  // namespace orbato
