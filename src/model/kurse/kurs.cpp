#include "model/kurse/kurs.h"

#include <algorithm>
#include <atomic>
#include <utility>
#include <vector>

#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/elemente/fach.h"
#include "model/elemente/klasse.h"
#include "model/elemente/kopplung.h"
#include "model/elemente/lehrer.h"
#include "model/elemente/raum.h"
#include "model/uv/stundenwert.h"

namespace orbato {
namespace {

uint64_t NaechsteLaufNr() {
  static std::atomic<uint64_t> zaehler{0};
  return ++zaehler;
}

int Vergleiche(int64_t a, int64_t b) {
  return a < b ? -1 : a > b ? 1 : 0;
}

void Geaendert() {
  Schule().SetDirty();
}

// Joins the present short names with single blanks.
void HaengeAn(std::string& text, const TElement* e) {
  if (e == nullptr) return;
  if (!text.empty()) text += ' ';
  text += e->fKuerzel.str();
}

}  // namespace

int KursVergleich(const TKurs* a, const TKurs* b) {
  if (int v = Vergleiche(a->fReihe1, b->fReihe1)) return v;
  if (int v = Vergleiche(a->fReihe2, b->fReihe2)) return v;
  return Vergleiche(static_cast<int64_t>(a->fLaufNr), static_cast<int64_t>(b->fLaufNr));
}

int KlassenKursVergleich(const TKurs* a, const TKurs* b) {
  if (Standard().fNachKlSortiert) {
    // Courses without subject come first.
    const int64_t fa = a->fFach ? a->fFach->fReihe : INT64_MIN;
    const int64_t fb = b->fFach ? b->fFach->fReihe : INT64_MIN;
    if (int v = Vergleiche(fa, fb)) return v;
  }
  return KursVergleich(a, b);
}

TKurs::TKurs() : fLaufNr(NaechsteLaufNr()) {
  const TWoElem& vorlage = Standard().fKuWoElem;
  for (int32_t w = 1; w <= fSperrung.ZahlWochen(); ++w) fSperrung.SetWoche(w, vorlage);
  fColor = Standard().fKursFarbe;
}

TKurs::~TKurs() = default;

void TKurs::IKurs(TLehrer* lehrer, TKlasse* klasse, int32_t stunden, TRaum* raum, TFach* fach,
                  TKopplung* kopplung) {
  const TStandard& s = Standard();
  fLehrer = lehrer;
  fFach = fach;
  fKopplung = kopplung;
  if (klasse) fKlassen.ListeAnhaengen(klasse);
  if (raum) fRaeume.ListeAnhaengen(raum);
  fStunden.SetWochenStunde(-1, stunden);
  fStdProTag = s.fStdProTag;
  fEinzelStd = s.fEinzelStd;
  fTabellenNr = s.fTabellenNr;
  fFaktor = s.fFaktor;
  fNichtVerplanen = s.fNichtVerplanen;
  fNichtZaehlenLe = s.fNichtZaehlenLe;
  fNichtZaehlenKl = s.fNichtZaehlenKl;
  fColor = s.fKursFarbe;
  fBewertung = 0;
  BerechneReihe();
  if (lehrer) lehrer->fKurse.ListeEinfuegen(this, KursVergleich);
  if (klasse) klasse->fKurse.ListeEinfuegen(this, KlassenKursVergleich);
  if (kopplung) kopplung->fKurse.ListeEinfuegen(this, KursVergleich);
  if (fach) fach->fKurse.ListeEinfuegen(this, KursVergleich);
  if (raum) raum->fKurse.ListeEinfuegen(this, KursVergleich);
  Schule().fKursMenge.ListeEinfuegen(this, KursVergleich);
  if (fach && klasse) fach->NeueKlasse(klasse);
  Geaendert();
}

void TKurs::BerechneReihe() {
  const int64_t lehrer = fLehrer ? fLehrer->fReihe : -1;
  const int64_t klasse = ErsteKlasse() ? ErsteKlasse()->fReihe : -1;
  int64_t reihe1 = Standard().fNachKlSortiert ? klasse * 1000 : lehrer * 1000;
  int64_t reihe2 = Standard().fNachKlSortiert ? lehrer : klasse;
  reihe1 += fFach ? fFach->fReihe : -1;
  reihe2 -= int64_t{1000} * fStunden.GetWochenStunde(0);
  fReihe1 = static_cast<int32_t>(reihe1);
  fReihe2 = static_cast<int32_t>(reihe2);
}

void TKurs::LehrerErgaenzen(TLehrer* lehrer) {
  LehrerEntfernen();
  fLehrer = lehrer;
  BerechneReihe();
  if (lehrer) lehrer->fKurse.ListeEinfuegen(this, KursVergleich);
  if (fLehrer && fKopplung) fKopplung->LeKopDoppeltTest(fLehrer);
  Geaendert();
}

void TKurs::LehrerEntfernen() {
  if (fLehrer && fLehrer->fKurse.ListeElemEnthalten(this)) fLehrer->fKurse.ListeLoeschen(false);
  fLehrer = nullptr;
  Geaendert();
}

void TKurs::FachErgaenzen(TFach* fach) {
  FachEntfernen();
  fFach = fach;
  BerechneReihe();
  if (fach) {
    fach->fKurse.ListeEinfuegen(this, KursVergleich);
    for (TKlasse* k : fKlassen) fach->NeueKlasse(k);
  }
  Geaendert();
}

void TKurs::FachEntfernen() {
  TFach* alt = fFach;
  if (alt == nullptr) return;
  if (alt->fKurse.ListeElemEnthalten(this)) alt->fKurse.ListeLoeschen(false);
  fFach = nullptr;
  for (TKlasse* k : fKlassen) alt->KlasseEntfernen(k);
  Geaendert();
}

void TKurs::KopplungErgaenzen(TKopplung* kopplung) {
  KopplungEntfernen();
  fKopplung = kopplung;
  BerechneReihe();
  if (kopplung) kopplung->fKurse.ListeEinfuegen(this, KursVergleich);
  if (fLehrer && fKopplung) fKopplung->LeKopDoppeltTest(fLehrer);
  Geaendert();
}

void TKurs::KopplungEntfernen() {
  if (fKopplung && fKopplung->fKurse.ListeElemEnthalten(this)) {
    fKopplung->fKurse.ListeLoeschen(false);
  }
  fKopplung = nullptr;
  Geaendert();
}

void TKurs::KlasseErgaenzen(TKlasse* klasse) {
  if (klasse == nullptr || HatKlasse(klasse)) return;
  fKlassen.ListeEinfuegen(klasse, ReihenVergleich);
  BerechneReihe();
  klasse->fKurse.ListeEinfuegen(this, KlassenKursVergleich);
  if (fFach) fFach->NeueKlasse(klasse);
  Geaendert();
}

void TKurs::KlasseEntfernen(TKlasse* klasse) {
  if (!fKlassen.ListeElemEnthalten(klasse)) return;
  fKlassen.ListeLoeschen(false);
  if (klasse->fKurse.ListeElemEnthalten(this)) klasse->fKurse.ListeLoeschen(false);
  if (fFach) fFach->KlasseEntfernen(klasse);
  BerechneReihe();
  Geaendert();
}

void TKurs::RaumErgaenzen(TRaum* raum, bool spaeter) {
  if (raum == nullptr || HatRaum(raum)) return;
  fRaeume.ListeAnhaengen(raum);
  if (spaeter) fRaumErgaenzt.ListeAnhaengen(raum);
  raum->fKurse.ListeEinfuegen(this, KursVergleich);
  Geaendert();
}

void TKurs::RaumEntfernen(TRaum* raum) {
  // Undoing an older step could put a lesson back into a room the course no longer lists. A
  // course being destroyed has given up its placements before and leaves the history alone.
  if (fSetzungen.ListeZahlElemente() > 0 && raum->fKurse.ListeElemNr(this) > 0) {
    Schule().fVerlauf.Leeren();
  }
  for (TSetzung* s : fSetzungen) {
    if (s->fRaum == raum) RaumAusSetzung(s);
  }
  if (raum->fKurse.ListeElemEnthalten(this)) raum->fKurse.ListeLoeschen(false);
  if (fRaeume.ListeElemEnthalten(raum)) fRaeume.ListeLoeschen(false);
  if (fRaumErgaenzt.ListeElemEnthalten(raum)) fRaumErgaenzt.ListeLoeschen(false);
  Geaendert();
}

void TKurs::AllesEntfernen() {
  AlleSetzungenAufgeben();
  LehrerEntfernen();
  FachEntfernen();
  KopplungEntfernen();
  while (TKlasse* k = ErsteKlasse()) KlasseEntfernen(k);
  while (TRaum* r = ErsterRaum()) RaumEntfernen(r);
}

// Sets an element's cell of a placement exactly when one of its courses still holds a lesson
// there (in the room itself, for a room).
void TKurs::StimmeZelleAb(TPlanElement& e, const TSetzung& s, bool nurImRaum) {
  bool belegt = false;
  for (const TKurs* k : e.fKurse) {
    const TSetzung* andere = k->SetzungFinden(s.fWoche, s.fTag, s.fStunde);
    if (andere && (!nurImRaum || andere->fRaum == &e)) {
      belegt = true;
      break;
    }
  }
  e.fBesetzung.SetWocheTagStd(s.fWoche, s.fTag, belegt, s.fStunde);
}

// Sets or clears the cell of a placement in the grids of the course, the teacher, the classes and
// the room. A cell of an element is cleared only when no other lesson still occupies it there,
// since a class holds all lessons of a coupling in one cell.
void TKurs::BelegeZelle(const TSetzung& s, bool belegt) {
  const auto setze = [&](TPlanElement* e, bool nurImRaum) {
    if (e == nullptr) return;
    if (belegt) {
      e->fBesetzung.SetWocheTagStd(s.fWoche, s.fTag, true, s.fStunde);
    } else {
      StimmeZelleAb(*e, s, nurImRaum);
    }
  };
  fBesetzung.SetWocheTagStd(s.fWoche, s.fTag, belegt, s.fStunde);
  setze(fLehrer, false);
  for (TKlasse* k : fKlassen) setze(k, false);
  setze(s.fRaum, true);
}

void TKurs::BesetzungAbstimmen(TPlanElement& element) const {
  for (const TSetzung* s : fSetzungen) StimmeZelleAb(element, *s, element.Art() == rau);
}

void TKurs::SetzungAufnehmen(TSetzung* setzung) {
  fSetzungen.ListeAnhaengen(setzung);
  BelegeZelle(*setzung, true);
  Schule().fVerlauf.Gesetzt(*this, *setzung);
  Geaendert();
}

void TKurs::SetzungAufgeben(TSetzung* setzung) {
  if (fSetzungen.ListeElemNr(setzung) == 0) return;
  VertretungenAufgeben(*setzung);
  fSetzungen.ListeElemEnthalten(setzung);
  Schule().fVerlauf.Entfernt(*this, *setzung);
  fSetzungen.ListeLoeschen(false);
  BelegeZelle(*setzung, false);
  delete setzung;
  Geaendert();
}

void TKurs::AlleSetzungenAufgeben() {
  while (TSetzung* s = fSetzungen.ListeNrInhalt(fSetzungen.ListeZahlElemente())) {
    SetzungAufgeben(s);
  }
}

void TKurs::RaumAusSetzung(TSetzung* setzung) {
  TRaum* raum = setzung->fRaum;
  if (raum == nullptr) return;
  setzung->fRaum = nullptr;
  StimmeZelleAb(*raum, *setzung, true);
  Schule().fVerlauf.RaumGeaendert(*this, *setzung, raum);
  Geaendert();
}

void TKurs::RaumInSetzung(TSetzung* setzung, TRaum* raum) {
  RaumAusSetzung(setzung);
  if (raum == nullptr) return;
  setzung->fRaum = raum;
  raum->fBesetzung.SetWocheTagStd(setzung->fWoche, setzung->fTag, true, setzung->fStunde);
  Schule().fVerlauf.RaumGeaendert(*this, *setzung, nullptr);
  Geaendert();
}

void TKurs::SetzeFixiert(TSetzung* setzung, bool fixiert) {
  const bool alt = setzung->fFixiert;
  setzung->SetFixiert(fixiert);
  Schule().fVerlauf.FixGeaendert(*this, *setzung, alt);
}

void TKurs::RaumWechsel(const TListe<TKurs>& kurse, TRaum* alt, TRaum* neu) {
  for (TKurs* k : kurse) {
    // With an old room only the courses that had it change.
    if (alt && !k->HatRaum(alt)) continue;
    if (alt && !k->HatSetzungIn(alt)) k->RaumEntfernen(alt);
    k->RaumErgaenzen(neu, false);
  }
}

bool TKurs::HatSetzungIn(const TRaum* raum) const {
  for (const TSetzung* s : fSetzungen) {
    if (s->fRaum == raum) return true;
  }
  return false;
}

TRaum* TKurs::RaumFuerZelle(int32_t woche, int32_t tag, int32_t std) const {
  if (woche > 0 && tag != 0 && fSetzungen.ListeZahlElemente() > 0) {
    const TSetzung* s = SetzungFinden(woche, tag, std);
    return s ? s->fRaum : nullptr;
  }
  return ErsterRaum();
}

TSetzung* TKurs::SetzungFinden(int32_t woche, int32_t tag, int32_t std) const {
  for (TSetzung* s : fSetzungen) {
    if (s->Liegt(woche, tag, std)) return s;
  }
  return nullptr;
}

int32_t TKurs::VerplanteStunden(int32_t woche) const {
  const TStandard& st = Standard();
  const int32_t w = st.AufgeloesteWoche(woche);
  const int32_t von = w == 0 ? 1 : w;
  const int32_t bis = w == 0 ? st.WochenZahl() : w;
  int32_t zahl = 0;
  for (int32_t v = von; v <= bis; ++v) {
    for (int32_t tag = 1; tag <= st.fMaxTageNeu; ++tag) {
      zahl += __builtin_popcount(static_cast<uint32_t>(fBesetzung.GetWocheTag(v, tag)) & 0xFFFF);
    }
  }
  return zahl;
}

bool TKurs::HatNegativeStunden() const {
  for (int32_t w = 1; w <= fStunden.ZahlWochen(); ++w) {
    if (fStunden.GetWochenStunde(w) < 0) return true;
  }
  return false;
}

void TKurs::EntferneNegativeStunden() {
  for (int32_t w = 1; w <= fStunden.ZahlWochen(); ++w) {
    if (fStunden.GetWochenStunde(w) < 0) fStunden.SetWochenStunde(w, 0);
  }
  Geaendert();
}

bool TKurs::IstGesperrt(int32_t woche, int32_t tag, const TRaum* raum, int32_t std) const {
  if (fSperrung.GetWocheTagStd(woche, tag, std)) return true;
  if (fLehrer && fLehrer->fSperrung.GetWocheTagStd(woche, tag, std)) return true;
  for (const TKlasse* k : fKlassen) {
    if (k->fSperrung.GetWocheTagStd(woche, tag, std)) return true;
  }
  return raum && raum->fSperrung.GetWocheTagStd(woche, tag, std);
}

bool TKurs::IstFixiert(int32_t woche, int32_t tag, int32_t std) const {
  const TSetzung* s = SetzungFinden(woche, tag, std);
  return s && s->fFixiert;
}

void TKurs::EntSperre(int32_t woche, int32_t tag, TRaum* raum, int32_t std) {
  TVerlauf& verlauf = Schule().fVerlauf;
  if (fLehrer) verlauf.MerkeBereich(fLehrer->fSperrung);
  for (TKlasse* k : fKlassen) verlauf.MerkeBereich(k->fSperrung);
  if (raum) verlauf.MerkeBereich(raum->fSperrung);
  if (fLehrer) fLehrer->fSperrung.SetWocheTagStd(woche, tag, false, std);
  for (TKlasse* k : fKlassen) k->fSperrung.SetWocheTagStd(woche, tag, false, std);
  if (raum) raum->fSperrung.SetWocheTagStd(woche, tag, false, std);
  Geaendert();
}

void TKurs::KopiereSperrung(const TWochBereich& bereich) {
  UebernimmSperrung(fSperrung, bereich, fBesetzung);
  Geaendert();
}

void TKurs::MerkeZeit(TRaum* raum, double jetzt) {
  if (fLehrer) fLehrer->fLetzteAenderung = jetzt;
  if (raum) raum->fLetzteAenderung = jetzt;
  for (TKlasse* k : fKlassen) k->fLetzteAenderung = jetzt;
}

int32_t TKurs::StatistikSumme() const {
  const TStandard& s = Standard();
  const TSchule& schule = Schule();
  const int von = GanzerTag(s.fDepVon), bis = GanzerTag(s.fDepBis);
  if (fNichtZaehlenLe || bis <= von) return 0;
  const auto version = [&](int tag) { return int32_t{schule.fKalender[KalenderWoche(tag)]}; };
  int32_t summe = 0;
  if (fNichtVerplanen) {
    for (int tag = von; tag <= bis; tag += 7) summe += fStunden.GetWochenStunde(version(tag));
    return summe;
  }
  for (const TSetzung* st : fSetzungen) {
    int tag = von + ((st->fTag - Wochentag(von)) % 7 + 7) % 7;
    for (; tag <= bis; tag += 7) {
      if (version(tag) == st->fWoche && !s.FerienTag(tag)) ++summe;
    }
  }
  return summe;
}

bool TKurs::AlleKlassenAbwesend(int32_t std, const TKlasse* ohne, TDatumZeit datum) const {
  if (fKlassen.ListeZahlElemente() == 0) return false;
  for (const TKlasse* k : fKlassen) {
    if (k != ohne && !k->Abwesend(std, datum)) return false;
  }
  return true;
}

std::string TKurs::OhneRaumZeile(const TKlasse* klasse) const {
  std::string text;
  HaengeAn(text, fLehrer);
  HaengeAn(text, fFach);
  HaengeAn(text, klasse ? klasse : ErsteKlasse());
  HaengeAn(text, fKopplung);
  return text;
}

std::vector<TKurs*> TKurs::MitKopplung() {
  if (fKopplung == nullptr) return {this};
  return {fKopplung->fKurse.begin(), fKopplung->fKurse.end()};
}

TRaum* TKurs::VerplanterRaum() const {
  std::vector<std::pair<TRaum*, int>> zaehler;
  for (TRaum* r : fRaeume) zaehler.emplace_back(r, 0);
  for (const TSetzung* s : fSetzungen) {
    if (s->fRaum == nullptr) continue;
    auto it = std::find_if(zaehler.begin(), zaehler.end(),
                           [s](const auto& z) { return z.first == s->fRaum; });
    if (it == zaehler.end()) it = zaehler.insert(zaehler.end(), {s->fRaum, 0});
    ++it->second;
  }
  TRaum* bester = nullptr;
  int meiste = 0;
  for (const auto& [raum, zahl] : zaehler) {
    if (zahl > meiste) {
      bester = raum;
      meiste = zahl;
    }
  }
  return bester;
}

std::string TKurs::MitRaumZeile() const {
  std::string text = OhneRaumZeile(nullptr);
  const TRaum* raum = VerplanterRaum() ? VerplanterRaum() : ErsterRaum();
  if (raum) text += " " + raum->fKuerzel.str();
  return text;
}

std::string TKurs::OhneRaumKlKoZeile() const {
  std::string text = fLehrer ? fLehrer->fKuerzel.str() : std::string();
  if (fFach) text += " " + fFach->fKuerzel.str();
  if (fKopplung) {
    text += " " + fKopplung->fKuerzel.str();
  } else if (ErsteKlasse()) {
    text += " " + ErsteKlasse()->fKuerzel.str();
  }
  return text;
}

std::string TKurs::KurzZeile(int32_t woche, int32_t tag, const TKlasse* klasse, int32_t std) const {
  std::string text = OhneRaumZeile(klasse);
  if (fRaeume.ListeZahlElemente() == 0) return text;
  const TRaum* raum = RaumFuerZelle(woche, tag, std);
  if (!text.empty()) text += ' ';
  if (raum) text += raum->fKuerzel.str();
  return text;
}

std::string TKurs::Zeile(int32_t woche, int32_t tag, TKuerzelArt art, bool mitInfo,
                         int32_t std) const {
  const int32_t stunden = fStunden.GetWochenStunde(woche);
  const bool ohneWert = (art == leh && fNichtZaehlenLe) || (art == kla && fNichtZaehlenKl);
  std::string text = StundenWert(ohneWert ? 0 : stunden * fFaktor) + " (" +
                     std::to_string(stunden) + ") " + KurzZeile(woche, tag, nullptr, std);
  if (mitInfo) text += " [" + fInfo.str() + "]";
  return text;
}

std::string TKurs::WochenZeile(int32_t woche, int32_t tag, const TKlasse* klasse, bool mitInfo,
                               int32_t std) const {
  std::string text = "{" + std::to_string(woche) + "} " + KurzZeile(woche, tag, klasse, std);
  if (mitInfo) text += " [" + fInfo.str() + "]";
  return text;
}

std::string TKurs::WahlZeile(int32_t woche, int32_t tag, int32_t std, int a, int b, int c) const {
  std::string text;
  for (int wahl : {a, b, c}) {
    switch (wahl) {
      case 0:
        HaengeAn(text, fLehrer);
        break;
      case 1:
        HaengeAn(text, ErsteKlasse());
        break;
      case 2:
        HaengeAn(text, fKopplung);
        break;
      case 3:
        HaengeAn(text, fFach);
        break;
      case 4:
        HaengeAn(text, RaumFuerZelle(woche, tag, std));
        break;
      default:
        break;
    }
  }
  return text;
}

std::string TKurs::SVZeile(int32_t tag) const {
  std::string text(kMaxStunden, 'F');
  const int32_t woche = Standard().fAktuelleWoche;
  for (const TSetzung* s : fSetzungen) {
    if (s->fWoche != woche || s->fTag != tag || s->fStunde < 1 || s->fStunde > kMaxStunden)
      continue;
    text[s->fStunde - 1] = fKopplung ? (s->fFixiert ? 'L' : 'K') : (s->fFixiert ? 'G' : 'E');
  }
  return text;
}

void TKurs::SetInfo(std::string_view info) {
  fInfo = info;
  Geaendert();
}
void TKurs::SetEinzelStd(int32_t n) {
  fEinzelStd = n;
  Geaendert();
}
void TKurs::SetStdProTag(int32_t n) {
  fStdProTag = n;
  Geaendert();
}
void TKurs::SetTabellenNr(int32_t n) {
  fTabellenNr = n;
  Geaendert();
}
void TKurs::SetFaktor(int32_t n) {
  fFaktor = n;
  Geaendert();
}
void TKurs::SetnichtVerplanen(bool b) {
  fNichtVerplanen = b;
  Geaendert();
}
void TKurs::SetnichtZaehlenLe(bool b) {
  fNichtZaehlenLe = b;
  Geaendert();
}
void TKurs::SetnichtZaehlenKl(bool b) {
  fNichtZaehlenKl = b;
  Geaendert();
}
void TKurs::SetColor(int32_t farbe) {
  fColor = farbe;
  Geaendert();
}

}  // namespace orbato
