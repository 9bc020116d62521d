// Entering substitutes and rooms into a record, and the commands that cancel, clear or count it.
#include "model/dokument/schule.h"
#include "model/schnittstellen/dialoge.h"
#include "model/schnittstellen/fenster.h"
#include "model/vertretung/gutschrift.h"
#include "model/vertretung/kalender.h"

namespace orbato {

namespace {

void FensterAktualisieren() {
  TSchule& schule = Schule();
  schule.FensterUpdate(TFensterTyp::Vertretungswahl);
  schule.FensterUpdate(TFensterTyp::Vertretungen);
}

// The record created because of this one goes.
void PartnerFreigeben(TVertretung& v) {
  if (v.fZu && v.fZu->fVon == &v) VertretungZerstoeren(v.fZu);
  v.fZu = nullptr;
}

// Whether `kandidat` is the record itself or one of the records that caused it.
bool Vorfahr(const TVertretung& kandidat, const TVertretung& v) {
  int schritte = 0;
  for (const TVertretung* r = &v; r && schritte < 1000; r = r->fVon, ++schritte) {
    if (r == &kandidat) return true;
  }
  return false;
}

bool Bestaetigt(std::string_view titel, const std::string& zeile) {
  return Schule().Dialog().Frage(titel, {zeile, "Trotzdem einsetzen?"}, {"Ja", "Nein"}) == 0;
}

bool HatUnterrichtAmTag(const TLehrer& lehrer, int32_t woche, int32_t tag) {
  for (int32_t std = 1; std <= kMaxStunden; ++std) {
    if (lehrer.fBesetzung.GetWocheTagStd(woche, tag, std)) return true;
  }
  return false;
}

// A lesson of the room in that cell whose classes are there, other than `ausser`.
bool RaumHatUnterricht(const TRaum& raum, const TVertretung& v) {
  for (TKurs* k : raum.KurseFinden(v.Woche(), v.Tag(), &raum, v.Stunde())) {
    if (k->SetzungFinden(v.Woche(), v.Tag(), v.Stunde()) == v.fSetzung) continue;
    if (!k->AlleKlassenAbwesend(v.Stunde(), nullptr, v.fDatum)) return true;
  }
  return false;
}

// Another record that moved its lesson into the room. A record that keeps its lesson's own room
// counts as the lesson does, by whether its classes are there.
bool RaumSchonEingesetzt(const TRaum& raum, const TVertretung& v) {
  for (const TVertretung* andere : VertretungenAm(v.fDatum, v.Stunde())) {
    if (andere != &v && andere->fRaum == &raum && andere->fSetzung &&
        andere->fSetzung->fRaum != &raum) {
      return true;
    }
  }
  return false;
}

// Lifts the room's absence in the record's period.
void RaumAnwesend(TRaum& raum, const TVertretung& v) {
  TListe<TFehl>& menge = Schule().fFehlRaumMenge;
  for (TFehl* f : menge) {
    if (f->fElement != &raum || GanzerTag(f->fDatum) != GanzerTag(v.fDatum)) continue;
    f->fHilfe = f->fZeit & ~TFehl::StundenBit(v.Stunde());
    f->AendereVertretung();
    if (f->fZeit == 0 && menge.ListeElemEnthalten(f)) menge.ListeLoeschen(true);
    return;
  }
}

}  // namespace

TVertretung* TLehrer::VertrittSchon(int32_t std, TDatumZeit datum) const {
  for (TVertretung* v : VertretungenAm(datum, std)) {
    if (v->fLehrer == this && v->EchteVertretung()) return v;
  }
  return nullptr;
}

TKurs* TLehrer::KursAm(int32_t std, TDatumZeit datum) const {
  const int32_t woche = PlanVersionAm(datum);
  const int32_t tag = Wochentag(datum);
  TListe<TKurs> kurse = KurseFinden(woche, tag, nullptr, std);
  return kurse.ListeNrInhalt(1);
}

bool TLehrer::WurdeFrei(int32_t std, TDatumZeit datum) const {
  const TKurs* k = KursAm(std, datum);
  return k && k->AlleKlassenAbwesend(std, nullptr, datum);
}

bool TVertretung::TrageLehrerEin(TLehrer* lehrer, const TStatt* statt) {
  if (statt) {
    TStatt tausch = *statt;
    return StattEintragen(tausch);
  }
  if (lehrer == nullptr) {
    Loeschen(true);
    return true;
  }
  const int32_t std = Stunde();
  const TVertretung* schon = lehrer->VertrittSchon(std, fDatum);
  const bool fehlt = lehrer->Abwesend(std, fDatum);
  std::string ende;
  if (schon && schon != this) {
    ende = " vertritt schon.";
  } else if (fehlt) {
    ende = " fehlt.";
  } else if (lehrer->fSperrung.GetWocheTagStd(Woche(), Tag(), std)) {
    ende = " ist gesperrt.";
  } else if (!HatUnterrichtAmTag(*lehrer, Woche(), Tag())) {
    ende = " hat diesen Tag frei.";
  }
  if (!ende.empty() && !Bestaetigt("Lehrer fehlt", "Lehrer " + lehrer->fKuerzel.str() + ende)) {
    return false;
  }
  TGutschrift gutschrift(this);
  PartnerFreigeben(*this);
  fAngerechnet = !fehlt;
  // His own lesson in that period needs somebody else now, unless it is this very lesson.
  TKurs* eigener = lehrer->KursAm(std, fDatum);
  TSetzung* eigene = eigener ? eigener->SetzungFinden(Woche(), Tag(), std) : nullptr;
  if (eigene && eigene != fSetzung && !(schon && schon != this) && !fehlt) {
    // His lesson may be the one whose substitute he now replaces: the two teachers just swap,
    // and linking the records again would close a circle.
    const TVertretung* vorhanden = eigene->VertretungFinden(fDatum);
    if (!vorhanden || !Vorfahr(*vorhanden, *this)) eigener->SetzeStattVertretung(this, eigene);
    if (!lehrer->WurdeFrei(std, fDatum)) fAngerechnet = false;
  }
  fLehrer = lehrer;
  fFrei = false;
  fAdHoc = HeuteMittag();
  gutschrift.Abschliessen();
  FuelleBemerkung();
  Schule().SetDirty();
  FensterAktualisieren();
  return true;
}

bool TVertretung::StattEintragen(TStatt& statt) {
  if (statt.fKurs == nullptr || statt.fSetzung == nullptr || statt.fLehrer == nullptr) return false;
  if (statt.fSetzung->VertretungFinden(statt.fDatum)) return false;
  TGutschrift gutschrift(this);
  PartnerFreigeben(*this);
  fAngerechnet = false;
  fLehrer = statt.fLehrer;
  fFach = statt.fKurs->fFach;
  TRaum* raum = statt.fSetzung->fRaum;
  if (raum && raum != fRaum && !raum->Abwesend(Stunde(), fDatum) &&
      !RaumSchonEingesetzt(*raum, *this) && !RaumHatUnterricht(*raum, *this)) {
    fRaum = raum;
  }
  fFrei = false;
  fAdHoc = HeuteMittag();
  TVertretung* neu = NeueVertretung(*statt.fKurs, *statt.fSetzung, statt.fDatum);
  neu->fLehrer = nullptr;
  neu->fGueltig = !statt.fKurs->AlleKlassenAbwesend(statt.fSetzung->fStunde, nullptr, neu->fDatum);
  neu->fVon = this;
  fZu = neu;
  neu->FuelleBemerkung();
  gutschrift.Abschliessen();
  FuelleBemerkung();
  Schule().SetDirty();
  FensterAktualisieren();
  return true;
}

TVertretung* TKurs::SetzeStattVertretung(TVertretung* v, TSetzung* setzung) {
  TVertretung* neu = setzung->VertretungFinden(v->fDatum);
  if (neu) {
    TGutschrift gutschrift(neu);
    PartnerFreigeben(*neu);
    neu->fLehrer = nullptr;
    // A record has one cause: the swap that made it before gives it up.
    if (TVertretung* vorher = neu->fVon; vorher && vorher != v) {
      if (vorher->fZu == neu) vorher->fZu = nullptr;
      vorher->FuelleBemerkung();
    }
  } else {
    neu = NeueVertretung(*this, *setzung, v->fDatum);
  }
  neu->fGueltig = !AlleKlassenAbwesend(setzung->fStunde, nullptr, v->fDatum);
  neu->fVon = v;
  v->fZu = neu;
  neu->FuelleBemerkung();
  return neu;
}

bool TVertretung::TrageRaumEin(TRaum* raum) {
  if (raum) {
    const std::string name = raum->fKuerzel.str();
    const bool fehlt = raum->Abwesend(Stunde(), fDatum);
    std::string zeile;
    if (RaumHatUnterricht(*raum, *this)) {
      zeile = "In Raum " + name + " ist Unterricht.";
    } else if (RaumSchonEingesetzt(*raum, *this)) {
      zeile = "Raum " + name + " ist schon eingesetzt.";
    } else if (fehlt) {
      zeile = "Raum " + name + " ist nicht verf\xFCgbar.";
    } else if (raum->fSperrung.GetWocheTagStd(Woche(), Tag(), Stunde())) {
      zeile = "Raum " + name + " ist gesperrt.";
    }
    if (!zeile.empty() && !Bestaetigt("Raum ist besetzt", zeile)) return false;
    if (fehlt) RaumAnwesend(*raum, *this);
  }
  if (!NochDa(this)) return false;  // lifting the absence may have ended a room-only record
  fRaum = raum;
  fAdHoc = HeuteMittag();
  FuelleBemerkung();
  Schule().SetDirty();
  FensterAktualisieren();
  return true;
}

void TVertretung::MacheUngueltig() {
  TGutschrift gutschrift(this);
  // Only a real substitute is sent away; a record that keeps the course's own teacher for a
  // missing room stays as it is.
  if (EchteVertretung() && fGueltig) {
    PartnerFreigeben(*this);
    fLehrer = nullptr;
    fAngerechnet = false;
    FuelleBemerkung();
    Schule().FensterUpdate(TFensterTyp::Vertretungswahl);
  }
  fGueltig = false;
  gutschrift.Abschliessen();
  Schule().SetDirty();
  if (fFenster) fFenster->FensterSchliessen();
}

void TVertretung::Frei() {
  TGutschrift gutschrift(this);
  PartnerFreigeben(*this);
  fLehrer = nullptr;
  fRaum = nullptr;
  fAngerechnet = false;
  fFrei = true;
  fAdHoc = HeuteMittag();
  gutschrift.Abschliessen();
  FuelleBemerkung();
  Schule().SetDirty();
  FensterAktualisieren();
}

void TVertretung::Loeschen(bool lehrerModus) {
  TGutschrift gutschrift(this);
  fFrei = false;
  fAdHoc = HeuteMittag();
  if (lehrerModus) {
    PartnerFreigeben(*this);
    fLehrer = nullptr;
    fAngerechnet = false;
  } else {
    fRaum = nullptr;
  }
  gutschrift.Abschliessen();
  FuelleBemerkung();
  Schule().SetDirty();
  FensterAktualisieren();
}

void TVertretung::Anrechnen(bool angerechnet) {
  TGutschrift gutschrift(this);
  fAngerechnet = angerechnet;
  gutschrift.Abschliessen();
  Schule().SetDirty();
  FensterAktualisieren();
}

void TVertretung::WieAuswahl(TVertretung* vorbild) {
  if (vorbild == nullptr || vorbild == this) return;
  if (!TrageLehrerEin(vorbild->fLehrer)) return;
  fFach = vorbild->fFach;
  fAdHoc = HeuteMittag();
  TrageRaumEin(vorbild->fRaum);
}

}  // namespace orbato
