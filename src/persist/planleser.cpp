#include "persist/planleser.h"

#include <algorithm>
#include <unordered_map>

#include "model/basis/zeichensatz.h"
#include "model/dokument/schule.h"
#include "model/schnittstellen/dialoge.h"
#include "model/schnittstellen/uhr.h"
#include "persist/plangrenzen.h"
#include "persist/planschreiber.h"

namespace orbato {
namespace {

constexpr int32_t kAlteVersion = -211;
constexpr int32_t kAeltesteVersion = -300;
constexpr int32_t kTageZurueck = 1000;  // how far a date in the future is moved back
constexpr int kBalkenTakt = 10;         // records between two progress updates

// The month (yyyymm) a number of months away from a date's.
int32_t Monat(TDatumZeit datum, int32_t versatz) {
  const TKalenderDatum d = DekodiereDatum(datum);
  const int32_t monate = d.Jahr * 12 + (d.Monat - 1) + versatz;
  return (monate / 12) * 100 + monate % 12 + 1;
}

}  // namespace

TKeinePlandatei::TKeinePlandatei(const std::string& pfad)
    : TStreamFehler("Die Datei " + Cp1252AusUtf8(DateiNameOhnePfad(pfad)) +
                    " ist keine Plandatei.") {}

// One load: the stream, the document it fills and the moment that counts as now.
class TPlanLeser {
 public:
  TPlanLeser(TReadForm& form, TBuffer& ein)
      : fForm(form), fEin(ein), fSchule(Schule()), fStandard(Standard()) {}

  void Lies(const std::string& pfad) {
    if (fEin.Groesse() < 2) throw TKeinePlandatei(pfad);
    fForm.fVersion = fEin.ReadInt();
    if (fForm.fVersion >= 0) throw TKeinePlandatei(pfad);
    if (fForm.fVersion > kAlteVersion) throw TVersionsFehler("Die Version der Daten ist zu alt!");
    if (fForm.fVersion < kAeltesteVersion) {
      throw TVersionsFehler("Die Version der Daten ist zu neu!");
    }
    fAlt = fForm.fVersion == kAlteVersion;
    if (fAlt) {
      fForm.fDialoge.Nachricht(
          "Neues Datenformat",
          {"Ihre Datei stammt von einer", "\xE4lteren Programmversion. Ihre",
           "Daten werden in das neue", "Dateiformat umgewandelt. Sie",
           "k\xF6nnen die ge\xE4nderten Daten mit", "einem neuen Namen speichern."},
          TMeldungsArt::Information);
      fSchule.SetDateiName("Ohne Titel");
    } else {
      fSchule.SetDateiName(DateiNameOhnePfad(pfad));
    }
    LiesKalender();
    LiesKuerzel();
    LiesLehrer();
    LiesKlassen();
    LiesInfos(fSchule.fKopplMenge);
    LiesInfos(fSchule.fFachMenge);
    LiesRaeume();
    LiesUVTabellen();
    LiesKurse();
    VerbindeVertretungen();
    EntferneAlteVertretungen();
    LiesFehl(fSchule.fFehlLehrerMenge, fSchule.fLehrerMenge);
    LiesFehl(fSchule.fFehlKlassenMenge, fSchule.fKlassenMenge);
    LiesFehl(fSchule.fFehlRaumMenge, fSchule.fRaumMenge);
    LiesParallel();
    ErzeugeMonatsStunden();
    LiesFenster();
    fSchule.SetDirty(fAlt);
  }

 private:
  TDatumZeit Jetzt() const { return fForm.fUhr.Jetzt(); }
  TDatumZeit Heute() const { return fForm.fUhr.Heute(); }
  bool ZuAlt(TDatumZeit datum) const { return Heute() - datum > fStandard.fVertrMerke; }

  void Balken() { fForm.ZeichneBalken(fEin); }
  // Sections 4 to 10 move the bar every tenth record, counting on across the sections.
  void SatzGelesen() {
    if (++fSaetze % kBalkenTakt == 0) Balken();
  }

  int32_t Zahl() { return fEin.ReadInt(); }
  TKuerzelString Kuerzel() { return fAlt ? fEin.ReadAltKue() : fEin.ReadKue(); }
  TInfoString Info() { return fAlt ? fEin.ReadAltInfo() : fEin.ReadInfo(); }
  TBemString Bem() { return fAlt ? fEin.ReadAltBem() : fEin.ReadBem(); }
  // Day words keep periods 1..16 only.
  uint32_t Wort() { return static_cast<uint32_t>(fEin.ReadInt()) & 0xFFFF; }

  void Maske(TWochBereich& bereich) {
    for (int32_t w = 1; w <= fWochen; ++w) {
      for (int32_t tag = 1; tag <= 7; ++tag) {
        bereich.SetWocheTag(w, tag, static_cast<int32_t>(Wort()));
      }
    }
  }
  void Stunden(TWochenStunden& stunden, int32_t von) {
    for (int32_t w = von; w <= fWochen; ++w) stunden.SetWochenStunde(w, Zahl());
  }
  // Every number outside the list is no record.
  template <class T>
  T* Verweis(const TListe<T>& liste) {
    return liste.ListeNrInhalt(Zahl());
  }
  // A list of references; those that are none are skipped.
  template <class T, class Aufnehmen>
  void Verweise(const TListe<T>& liste, Aufnehmen&& aufnehmen) {
    const int32_t n = Zahl();
    for (int32_t i = 0; i < n; ++i) {
      if (T* e = Verweis(liste)) aufnehmen(e);
    }
  }
  void Aenderung(TPlanElement& e) {
    e.fLetzteAenderung = fEin.ReadDatum();
    if (e.fLetzteAenderung > Jetzt()) e.fLetzteAenderung -= kTageZurueck;
  }

  void LiesKalender() {
    for (uint8_t& woche : fSchule.fKalender) woche = fEin.ReadByte();
    fWochen = Zahl();
    // A file from any writer carries 1..54 versions; anything else is not a plan file.
    if (fWochen < 1 || fWochen > kMaxWochen) throw TStreamFehler("Stream-Lesefehler");
    fStandard.SetMaxWocheNeu(fWochen);
    const int32_t heute = fSchule.fKalender[KalenderWoche(Heute())];
    fStandard.SetAktuelleWoche(std::clamp(heute, 1, fWochen));
    fSchule.fGrWoBereich.SetWochenZahl(fWochen);
    fSchule.fUEWoBereich.SetWochenZahl(fWochen);
    Maske(fSchule.fGrWoBereich);
    Maske(fSchule.fUEWoBereich);
  }

  template <class T>
  void KuerzelListe(TListe<T>& menge) {
    const int32_t n = Zahl();
    for (int32_t i = 0; i < n; ++i) {
      auto* e = new T;
      menge.ListeAnhaengen(e);
      e->fKuerzel = Kuerzel();
      e->fNr = e->fReihe = menge.ListeZahlElemente();
    }
  }
  void LiesKuerzel() {
    Balken();
    KuerzelListe(fSchule.fLehrerMenge);
    Balken();
    KuerzelListe(fSchule.fKlassenMenge);
    Balken();
    KuerzelListe(fSchule.fKopplMenge);
    Balken();
    KuerzelListe(fSchule.fFachMenge);
    Balken();
    KuerzelListe(fSchule.fRaumMenge);
    Balken();
    KuerzelListe(fSchule.fUVTabMenge);
    Balken();
  }

  // The records of an element section belong to the elements by position; a record beyond the
  // short names is read into a spare element, which must not link itself to others, and dropped.
  template <class T, class LiesSatz>
  void ElementSaetze(TListe<T>& menge, LiesSatz&& liesSatz) {
    const int32_t n = Zahl();
    for (int32_t i = 1; i <= n; ++i) {
      if (T* e = menge.ListeNrInhalt(i)) {
        liesSatz(*e, true);
      } else {
        T ersatz;
        liesSatz(ersatz, false);
      }
      SatzGelesen();
    }
  }

  void LiesLehrer() {
    ElementSaetze(fSchule.fLehrerMenge, [&](TLehrer& l, bool echt) {
      l.fInfo = Info();
      Stunden(l.fSoll, 1);
      l.fRaum = Verweis(fSchule.fRaumMenge);
      Verweise(fSchule.fFachMenge, [&](TFach* f) {
        if (echt) l.NeuesFach(f);
      });
      Maske(l.fSperrung);
      Maske(l.fBesetzung);
      l.fVStunden1 = fEin.ReadLong();
      l.fVStunden2 = fEin.ReadLong();
      Aenderung(l);
      l.fFreierTag = fAlt ? false : fEin.ReadBool();
    });
  }

  void LiesKlassen() {
    ElementSaetze(fSchule.fKlassenMenge, [&](TKlasse& k, bool) {
      k.fInfo = Info();
      Stunden(k.fSoll, 1);
      k.fRaum = Verweis(fSchule.fRaumMenge);
      k.fLehrer1 = Verweis(fSchule.fLehrerMenge);
      k.fLehrer2 = Verweis(fSchule.fLehrerMenge);
      Maske(k.fSperrung);
      Maske(k.fBesetzung);
      k.fKopDop = fEin.ReadBool();
      Aenderung(k);
    });
  }

  template <class T>
  void LiesInfos(TListe<T>& menge) {
    ElementSaetze(menge, [&](T& e, bool) { e.fInfo = Info(); });
  }

  void LiesRaeume() {
    ElementSaetze(fSchule.fRaumMenge, [&](TRaum& r, bool) {
      r.fInfo = Info();
      Maske(r.fSperrung);
      Maske(r.fBesetzung);
      Aenderung(r);
    });
  }

  void LiesUVTabellen() {
    ElementSaetze(fSchule.fUVTabMenge, [&](TUVTab& t, bool) {
      t.fIstFach = fEin.ReadBool();
      t.fInfo = Info();
      if (t.fIstFach) {
        Verweise(fSchule.fFachMenge,
                 [&](TFach* f) { t.fFaecher.ListeEinfuegen(f, ReihenVergleich); });
      } else {
        Verweise(fSchule.fLehrerMenge,
                 [&](TLehrer* l) { t.fLehrer.ListeEinfuegen(l, ReihenVergleich); });
      }
      Verweise(fSchule.fKlassenMenge,
               [&](TKlasse* k) { t.fKlassen.ListeEinfuegen(k, ReihenVergleich); });
    });
  }

  void KursLabel(const TKurs& k) {
    if (fStandard.fNachKlSortiert) {
      const TKlasse* klasse = k.ErsteKlasse();
      if (klasse && klasse != fLetzteKlasse) {
        fForm.fDialoge.FortschrittInfo(PlanLabel("Kurse Klasse " + klasse->fKuerzel.str()));
      }
      fLetzteKlasse = klasse;
    } else {
      if (k.fLehrer && k.fLehrer != fLetzterLehrer) {
        fForm.fDialoge.FortschrittInfo(PlanLabel("Kurse Lehrer " + k.fLehrer->fKuerzel.str()));
      }
      fLetzterLehrer = k.fLehrer;
    }
  }

  void LiesKurse() {
    const int32_t n = Zahl();
    for (int32_t i = 0; i < n; ++i) {
      LiesKurs();
      SatzGelesen();
    }
  }

  void LiesKurs() {
    const int32_t stunden1 = Zahl();
    TLehrer* lehrer = Verweis(fSchule.fLehrerMenge);
    TKopplung* kopplung = Verweis(fSchule.fKopplMenge);
    TFach* fach = Verweis(fSchule.fFachMenge);
    const int32_t klassen = Zahl();
    TKlasse* erste = klassen > 0 ? Verweis(fSchule.fKlassenMenge) : nullptr;
    auto* k = new TKurs;
    k->IKurs(lehrer, erste, stunden1, nullptr, fach, kopplung);
    for (int32_t i = 1; i < klassen; ++i) {
      if (TKlasse* klasse = Verweis(fSchule.fKlassenMenge)) k->fKlassen.ListeAnhaengen(klasse);
    }
    k->fStunden.SetWochenStunde(1, stunden1);
    if (fach && lehrer && lehrer->fFaecher.ListeElemNr(fach) == 0) lehrer->NeuesFach(fach);
    for (TKlasse* klasse : k->fKlassen) {
      if (klasse->fKurse.ListeElemNr(k) != 0) continue;
      klasse->fKurse.ListeAnhaengen(k);
      if (fach) fach->NeueKlasse(klasse);
    }
    Verweise(fSchule.fRaumMenge, [&](TRaum* r) {
      k->fRaeume.ListeAnhaengen(r);
      r->fKurse.ListeAnhaengen(k);
    });
    Verweise(fSchule.fRaumMenge, [&](TRaum* r) { k->fRaumErgaenzt.ListeAnhaengen(r); });
    Stunden(k->fStunden, 2);
    const int32_t setzungen = Zahl();
    for (int32_t i = 0; i < setzungen; ++i) LiesSetzung(*k);
    k->fInfo = Info();
    k->fFaktor = Zahl();
    k->fEinzelStd = Zahl();
    k->fNichtVerplanen = fEin.ReadBool();
    k->fNichtZaehlenKl = fEin.ReadBool();
    k->fNichtZaehlenLe = fEin.ReadBool();
    Maske(k->fSperrung);
    k->fStdProTag = Zahl();
    k->fTabellenNr = Zahl();
    k->fColor = fEin.ReadColor();
    KursLabel(*k);
  }

  void LiesSetzung(TKurs& k) {
    TRaum* raum = Verweis(fSchule.fRaumMenge);
    const int32_t std = Zahl();
    const int32_t tag = Zahl();
    const int32_t woche = Zahl();
    auto* s = new TSetzung(woche, tag, std, raum);
    k.fSetzungen.ListeAnhaengen(s);
    // A cell outside the grid is kept in the record but occupies nothing.
    if (woche >= 1 && woche <= fWochen && tag >= 1 && tag <= kMaxTage && std >= 1 &&
        std <= kMaxStunden) {
      k.fBesetzung.SetWocheTagStd(woche, tag, true, std);
    }
    s->fFixiert = fEin.ReadBool();
    const int32_t n = Zahl();
    for (int32_t i = 0; i < n; ++i) LiesVertretung(k, *s);
  }

  void LiesVertretung(TKurs& k, TSetzung& s) {
    auto* v = new TVertretung;
    v->fKurs = &k;
    v->fSetzung = &s;
    s.fVertretungen.ListeAnhaengen(v);
    fSchule.fVertretungsMenge.ListeAnhaengen(v);
    v->fDatum = fEin.ReadDatum();
    v->fAdHoc = fAlt ? Heute() - kTageZurueck : fEin.ReadDatum();
    v->fLehrer = Verweis(fSchule.fLehrerMenge);
    v->fRaum = Verweis(fSchule.fRaumMenge);
    v->fFach = fAlt ? k.fFach : Verweis(fSchule.fFachMenge);
    v->fLInfo = Bem();
    v->fSInfo = Bem();
    if (fAlt) fEin.ReadByte();  // the kind of the old layout, of no use any more
    v->fFrei = fEin.ReadBool();
    v->fGueltig = fEin.ReadBool();
    v->fAngerechnet = fEin.ReadBool();
    v->fNr = Zahl();
    v->fVonNr = Zahl();
    v->fZuNr = Zahl();
  }

  // Partners are stored by number; the first record with that number is the partner.
  void VerbindeVertretungen() {
    std::unordered_map<int32_t, TVertretung*> nachNr;
    for (TVertretung* v : fSchule.fVertretungsMenge) nachNr.try_emplace(v->fNr, v);
    const auto partner = [&](int32_t nr) -> TVertretung* {
      const auto it = nr > 0 ? nachNr.find(nr) : nachNr.end();
      return it == nachNr.end() ? nullptr : it->second;
    };
    for (TVertretung* v : fSchule.fVertretungsMenge) {
      if (v->fVonNr > 0) v->fVon = partner(v->fVonNr);
      if (v->fZuNr > 0) v->fZu = partner(v->fZuNr);
    }
  }

  // Takes out, one after the other, every record older than the days kept. Freeing a record can
  // take its partner with it, so the scan starts again whenever more than one left the list.
  void EntferneAlteVertretungen() {
    TListe<TVertretung>& alle = fSchule.fVertretungsMenge;
    int32_t i = 1;
    while (TVertretung* v = alle.ListeNrInhalt(i)) {
      if (!ZuAlt(v->fDatum)) {
        ++i;
        continue;
      }
      if (!v->fGueltig && v->fAngerechnet) v->Korrektur();
      const int32_t vorher = alle.ListeZahlElemente();
      VertretungFreigeben(v);
      if (alle.ListeZahlElemente() < vorher - 1) i = 1;
    }
  }

  template <class T>
  void LiesFehl(TListe<TFehl>& menge, const TListe<T>& elemente) {
    const int32_t n = Zahl();
    for (int32_t i = 0; i < n; ++i) {
      auto* f = new TFehl;
      menge.ListeAnhaengen(f);
      f->fDatum = fEin.ReadDatum();
      f->fElement = Verweis(elemente);
      f->fZeit = Wort();
      f->fHilfe = f->fZeit;
      f->fGrund = fAlt ? TGrundString("-") : fEin.ReadGrund();
    }
    menge.ListeAnfang();
    const auto verfallen = [&](int, const TFehl* f) {
      return f->fElement == nullptr || ZuAlt(f->fDatum);
    };
    while (menge.ListeEnthalten(0, verfallen)) menge.ListeLoeschen(true);
  }

  void LiesParallel() {
    TParListe& par = fSchule.fParListe;
    par.fZeilen = Zahl();
    par.fSpalten = Zahl();
    const int64_t zellen = int64_t{par.fZeilen} * par.fSpalten;
    for (int64_t i = 0; i < zellen; ++i) par.fListe.push_back(Verweis(fSchule.fKopplMenge));
    if (par.fListe.size() > 1) par.fListe.erase(par.fListe.begin());
  }

  void ErzeugeMonatsStunden() {
    for (TLehrer* l : fSchule.fLehrerMenge) {
      for (int32_t versatz : {0, -1, 1}) l->erzeugeMonatsStunden(Monat(Heute(), versatz));
    }
  }

  // The windows are reopened by the shell once the document is its own.
  void LiesFenster() {
    const int32_t n = Zahl();
    for (int32_t i = 0; i < n; ++i) {
      TFenster f;
      f.fArt = Zahl();
      f.fTitel = fEin.ReadStr255();
      f.fLinks = Zahl();
      f.fOben = Zahl();
      f.fBreite = Zahl();
      f.fHoehe = Zahl();
      fSchule.fFensterSaetze.push_back(f);
    }
  }

  TReadForm& fForm;
  TBuffer& fEin;
  TSchule& fSchule;
  TStandard& fStandard;
  bool fAlt = false;
  int32_t fWochen = 1;
  int fSaetze = 0;
  const TLehrer* fLetzterLehrer = nullptr;
  const TKlasse* fLetzteKlasse = nullptr;
};

void TReadForm::ZeichneBalken(const TBuffer& ein) {
  fDialoge.FortschrittSetzen(static_cast<int>(ein.Position() / 1024));
}

void TReadForm::ReadFromFile(const std::string& pfad) {
  ReadFromBytes(LiesGanzeDatei(pfad, kPlanDatei), pfad);
}

void TReadForm::ReadFromBytes(std::vector<uint8_t> bytes, const std::string& pfad) {
  TBuffer ein(std::move(bytes));
  TFortschritt fortschritt(fDialoge, "Einlesen", static_cast<int>(ein.Groesse() / 1024));
  fortschritt.Text(DateiNameOhnePfad(pfad));
  TPlanLeser(*this, ein).Lies(pfad);
}

}  // namespace orbato
