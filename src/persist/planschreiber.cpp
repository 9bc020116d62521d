#include "persist/planschreiber.h"

#include <unordered_map>

#include "model/dokument/schule.h"
#include "model/schnittstellen/dialoge.h"
#include "persist/plangrenzen.h"
#include "persist/puffer.h"
#include "persist/sicherungskopien.h"

namespace orbato {
namespace {

// No record: the element sections mark it with 32767, all later sections with -1.
constexpr int32_t kKeinElement = 32767;
constexpr int32_t kKeinSatz = -1;

// The 1-based position of every record of a list, so that references are written by number.
class TNummern {
 public:
  template <class T>
  explicit TNummern(const TListe<T>& liste) {
    fNummer.reserve(liste.ListeZahlElemente());
    int32_t nr = 0;
    for (const T* e : liste) fNummer.emplace(e, ++nr);
  }
  // A record no longer in the list is written as none.
  int32_t Nr(const void* e, int32_t keiner) const {
    const auto it = e ? fNummer.find(e) : fNummer.end();
    return it == fNummer.end() ? keiner : it->second;
  }

 private:
  std::unordered_map<const void*, int32_t> fNummer;
};

class TPlanSchreiber {
 public:
  TPlanSchreiber(TSchule& schule, Dialoge* dialoge)
      : fSchule(schule),
        fDialoge(dialoge),
        fWochen(Standard().WochenZahl()),
        fLehrer(schule.fLehrerMenge),
        fKlassen(schule.fKlassenMenge),
        fKopplungen(schule.fKopplMenge),
        fFaecher(schule.fFachMenge),
        fRaeume(schule.fRaumMenge) {}

  std::vector<uint8_t> Schreibe() {
    fOut.WriteInt(kPlanVersion);
    SchreibeKalender();
    SchreibeKuerzel();
    SchreibeElementDaten();
    NummeriereVertretungen();
    SchreibeKurse();
    SchreibeFehl(fSchule.fFehlLehrerMenge, fLehrer);
    SchreibeFehl(fSchule.fFehlKlassenMenge, fKlassen);
    SchreibeFehl(fSchule.fFehlRaumMenge, fRaeume);
    SchreibeParallel();
    SchreibeFenster();
    return fOut.Bytes();
  }

 private:
  void Info(const std::string& text) {
    if (fDialoge) fDialoge->FortschrittInfo(PlanLabel(text));
  }

  void Maske(const TWochBereich& bereich) {
    for (int32_t w = 1; w <= fWochen; ++w) {
      for (int32_t tag = 1; tag <= 7; ++tag) fOut.WriteInt(bereich.GetWocheTag(w, tag));
    }
  }
  void Stunden(const TWochenStunden& stunden, int32_t von) {
    for (int32_t w = von; w <= fWochen; ++w) fOut.WriteInt(stunden.GetWochenStunde(w));
  }
  template <class T>
  void Verweise(const TListe<T>& liste, const TNummern& nummern, int32_t keiner) {
    fOut.WriteInt(liste.ListeZahlElemente());
    for (const T* e : liste) fOut.WriteInt(nummern.Nr(e, keiner));
  }

  void SchreibeKalender() {
    for (uint8_t woche : fSchule.fKalender) fOut.WriteByte(woche);
    fOut.WriteInt(fWochen);
    Maske(fSchule.fGrWoBereich);
    Maske(fSchule.fUEWoBereich);
  }

  template <class T>
  void Kuerzel(const TListe<T>& liste) {
    fOut.WriteInt(liste.ListeZahlElemente());
    for (const T* e : liste) fOut.WriteKue(e->fKuerzel);
  }
  void SchreibeKuerzel() {
    Info("K\xFCrzel");
    Kuerzel(fSchule.fLehrerMenge);
    Kuerzel(fSchule.fKlassenMenge);
    Kuerzel(fSchule.fKopplMenge);
    Kuerzel(fSchule.fFachMenge);
    Kuerzel(fSchule.fRaumMenge);
    Kuerzel(fSchule.fUVTabMenge);
  }

  void SchreibeElementDaten() {
    Info("Lehrerdaten");
    fOut.WriteInt(fSchule.fLehrerMenge.ListeZahlElemente());
    for (const TLehrer* l : fSchule.fLehrerMenge) SchreibeLehrer(*l);
    Info("Klassendaten");
    fOut.WriteInt(fSchule.fKlassenMenge.ListeZahlElemente());
    for (const TKlasse* k : fSchule.fKlassenMenge) SchreibeKlasse(*k);
    Info("Kopplungsdaten");
    fOut.WriteInt(fSchule.fKopplMenge.ListeZahlElemente());
    for (const TKopplung* k : fSchule.fKopplMenge) fOut.WriteInfo(k->fInfo);
    Info("Fachdaten");
    fOut.WriteInt(fSchule.fFachMenge.ListeZahlElemente());
    for (const TFach* f : fSchule.fFachMenge) fOut.WriteInfo(f->fInfo);
    Info("Raumdaten");
    fOut.WriteInt(fSchule.fRaumMenge.ListeZahlElemente());
    for (const TRaum* r : fSchule.fRaumMenge) {
      fOut.WriteInfo(r->fInfo);
      Maske(r->fSperrung);
      Maske(r->fBesetzung);
      fOut.WriteDatum(r->fLetzteAenderung);
    }
    Info("UV-Daten");
    fOut.WriteInt(fSchule.fUVTabMenge.ListeZahlElemente());
    for (const TUVTab* t : fSchule.fUVTabMenge) SchreibeUVTab(*t);
  }

  void SchreibeLehrer(const TLehrer& l) {
    fOut.WriteInfo(l.fInfo);
    Stunden(l.fSoll, 1);
    fOut.WriteInt(fRaeume.Nr(l.fRaum, kKeinElement));
    Verweise(l.fFaecher, fFaecher, kKeinElement);
    Maske(l.fSperrung);
    Maske(l.fBesetzung);
    fOut.WriteLong(l.fVStunden1);
    fOut.WriteLong(l.fVStunden2);
    fOut.WriteDatum(l.fLetzteAenderung);
    fOut.WriteBool(l.fFreierTag);
  }

  void SchreibeKlasse(const TKlasse& k) {
    fOut.WriteInfo(k.fInfo);
    Stunden(k.fSoll, 1);
    fOut.WriteInt(fRaeume.Nr(k.fRaum, kKeinElement));
    fOut.WriteInt(fLehrer.Nr(k.fLehrer1, kKeinElement));
    fOut.WriteInt(fLehrer.Nr(k.fLehrer2, kKeinElement));
    Maske(k.fSperrung);
    Maske(k.fBesetzung);
    fOut.WriteBool(k.fKopDop);
    fOut.WriteDatum(k.fLetzteAenderung);
  }

  void SchreibeUVTab(const TUVTab& t) {
    fOut.WriteBool(t.fIstFach);
    fOut.WriteInfo(t.fInfo);
    if (t.fIstFach) {
      Verweise(t.fFaecher, fFaecher, kKeinElement);
    } else {
      Verweise(t.fLehrer, fLehrer, kKeinElement);
    }
    Verweise(t.fKlassen, fKlassen, kKeinElement);
  }

  // Records are numbered by their place in the document's list; partners are written by number.
  void NummeriereVertretungen() {
    std::unordered_map<const TVertretung*, int32_t> nummer;
    int32_t nr = 0;
    for (TVertretung* v : fSchule.fVertretungsMenge) nummer.emplace(v, v->fNr = ++nr);
    const auto von = [&](const TVertretung* partner) {
      const auto it = partner ? nummer.find(partner) : nummer.end();
      return it == nummer.end() ? 0 : it->second;
    };
    for (TVertretung* v : fSchule.fVertretungsMenge) {
      v->fVonNr = von(v->fVon);
      v->fZuNr = von(v->fZu);
    }
  }

  void KursLabel(const TKurs& k) {
    if (!fDialoge) return;
    if (Standard().fNachKlSortiert) {
      for (const TKlasse* klasse : k.fKlassen) {
        if (klasse != fLetzteKlasse) Info("Kurse Klasse " + klasse->fKuerzel.str());
        fLetzteKlasse = klasse;
      }
    } else if (k.fLehrer && k.fLehrer != fLetzterLehrer) {
      Info("Kurse Lehrer " + k.fLehrer->fKuerzel.str());
    }
    fLetzterLehrer = k.fLehrer;
  }

  void SchreibeKurse() {
    fOut.WriteInt(fSchule.fKursMenge.ListeZahlElemente());
    for (const TKurs* k : fSchule.fKursMenge) {
      KursLabel(*k);
      SchreibeKurs(*k);
    }
  }

  void SchreibeKurs(const TKurs& k) {
    fOut.WriteInt(k.fStunden.GetWochenStunde(1));
    fOut.WriteInt(fLehrer.Nr(k.fLehrer, kKeinSatz));
    fOut.WriteInt(fKopplungen.Nr(k.fKopplung, kKeinSatz));
    fOut.WriteInt(fFaecher.Nr(k.fFach, kKeinSatz));
    Verweise(k.fKlassen, fKlassen, kKeinSatz);
    Verweise(k.fRaeume, fRaeume, kKeinSatz);
    Verweise(k.fRaumErgaenzt, fRaeume, kKeinSatz);
    Stunden(k.fStunden, 2);
    fOut.WriteInt(k.fSetzungen.ListeZahlElemente());
    for (const TSetzung* s : k.fSetzungen) SchreibeSetzung(*s);
    fOut.WriteInfo(k.fInfo);
    fOut.WriteInt(k.fFaktor);
    fOut.WriteInt(k.fEinzelStd);
    fOut.WriteBool(k.fNichtVerplanen);
    fOut.WriteBool(k.fNichtZaehlenKl);
    fOut.WriteBool(k.fNichtZaehlenLe);
    Maske(k.fSperrung);
    fOut.WriteInt(k.fStdProTag);
    fOut.WriteInt(k.fTabellenNr);
    fOut.WriteColor(k.fColor);
  }

  void SchreibeSetzung(const TSetzung& s) {
    fOut.WriteInt(fRaeume.Nr(s.fRaum, kKeinSatz));
    fOut.WriteInt(s.fStunde);
    fOut.WriteInt(s.fTag);
    fOut.WriteInt(s.fWoche);
    fOut.WriteBool(s.fFixiert);
    fOut.WriteInt(s.fVertretungen.ListeZahlElemente());
    for (const TVertretung* v : s.fVertretungen) {
      fOut.WriteDatum(v->fDatum);
      fOut.WriteDatum(v->fAdHoc);
      fOut.WriteInt(fLehrer.Nr(v->fLehrer, kKeinSatz));
      fOut.WriteInt(fRaeume.Nr(v->fRaum, kKeinSatz));
      fOut.WriteInt(fFaecher.Nr(v->fFach, kKeinSatz));
      fOut.WriteBem(v->fLInfo);
      fOut.WriteBem(v->fSInfo);
      fOut.WriteBool(v->fFrei);
      fOut.WriteBool(v->fGueltig);
      fOut.WriteBool(v->fAngerechnet);
      fOut.WriteInt(v->fNr);
      fOut.WriteInt(v->fVonNr);
      fOut.WriteInt(v->fZuNr);
    }
  }

  void SchreibeFehl(const TListe<TFehl>& menge, const TNummern& elemente) {
    fOut.WriteInt(menge.ListeZahlElemente());
    for (const TFehl* f : menge) {
      fOut.WriteDatum(f->fDatum);
      fOut.WriteInt(elemente.Nr(f->fElement, kKeinSatz));
      fOut.WriteInt(static_cast<int32_t>(f->fZeit));
      fOut.WriteGrund(f->fGrund);
    }
  }

  void SchreibeParallel() {
    const TParListe& par = fSchule.fParListe;
    fOut.WriteInt(par.fZeilen);
    fOut.WriteInt(par.fSpalten);
    const int64_t zellen = int64_t{par.fZeilen} * par.fSpalten;
    for (int64_t i = 0; i < zellen; ++i) {
      const auto nr = static_cast<std::size_t>(i);
      fOut.WriteInt(nr < par.fListe.size() ? fKopplungen.Nr(par.fListe[nr], kKeinSatz) : kKeinSatz);
    }
  }

  void SchreibeFenster() {
    fOut.WriteInt(static_cast<int32_t>(fSchule.fFensterSaetze.size()));
    for (const TFenster& f : fSchule.fFensterSaetze) {
      fOut.WriteInt(f.fArt);
      fOut.WriteStr255(f.fTitel);
      fOut.WriteInt(f.fLinks);
      fOut.WriteInt(f.fOben);
      fOut.WriteInt(f.fBreite);
      fOut.WriteInt(f.fHoehe);
    }
  }

  TSchule& fSchule;
  Dialoge* fDialoge;
  const int32_t fWochen;
  const TNummern fLehrer, fKlassen, fKopplungen, fFaecher, fRaeume;
  TBuffer fOut;
  const TLehrer* fLetzterLehrer = nullptr;
  const TKlasse* fLetzteKlasse = nullptr;
};

}  // namespace

std::string PlanLabel(std::string text) {
  return text.append(20, ' ');
}

std::string DateiNameOhnePfad(const std::string& pfad) {
  const auto strich = pfad.find_last_of("/\\");
  return strich == std::string::npos ? pfad : pfad.substr(strich + 1);
}

std::vector<uint8_t> TWriteForm::PlanBytes(TSchule& schule, Dialoge* dialoge) {
  return TPlanSchreiber(schule, dialoge).Schreibe();
}

void TWriteForm::WriteToFile(const std::string& pfad, int kopien) {
  TSchule& schule = Schule();
  if (const auto meldung = PlanGrenzenUeberschritten(schule)) throw TStreamFehler(*meldung);
  const std::string name = DateiNameOhnePfad(pfad);
  TFortschritt fortschritt(fDialoge, "Speichern", 0);
  fortschritt.Text(name);
  SchreibeMitSicherungsKopien(pfad, PlanBytes(schule, &fDialoge), kopien);
  schule.SetDateiName(name);
  schule.SetDirty(false);
}

}  // namespace orbato
