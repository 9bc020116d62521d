// The checks that compare: plan versions with version 1, and the courses of a coupling with its
// first course. They only report.
#include <string>

#include "checks/befund.h"
#include "checks/pruefungen.h"
#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/elemente/klasse.h"
#include "model/elemente/kopplung.h"
#include "model/elemente/lehrer.h"
#include "model/elemente/raum.h"
#include "model/kurse/kurs.h"

namespace orbato {

namespace {

void Unterschied(TBefund& befund, const std::string& wer, bool gleich, const char* was) {
  if (!gleich) {
    befund.Fehler(wer + " ist die " + was + " in Planversionen unterschiedlich.", kKleinereFehler);
  }
}

void Lage(TBefund& befund, const std::string& wer, const TWochBereich& sperrung,
          const TWochBereich& besetzung) {
  Unterschied(befund, wer, sperrung.GleichBereich(), "Sperrung");
  Unterschied(befund, wer, besetzung.GleichBereich(), "Lage der Stunden");
}

template <class T>
void SollUndLage(TBefund& befund, const TListe<T>& menge, const char* art) {
  for (const T* e : menge) {
    const std::string wer = art + e->fKuerzel.str();
    Unterschied(befund, wer, e->fSoll.StundenGleich(), "Anzahl der Sollstunden");
    Lage(befund, wer, e->fSperrung, e->fBesetzung);
  }
}

// The properties in which the courses of a coupling must agree with the first one.
struct TAbweichung {
  bool fStunden = false, fStdProTag = false, fEinzelStd = false, fTabellenNr = false;
};

TAbweichung Abweichung(const TKopplung& kopplung) {
  TAbweichung ab;
  const TKurs* erster = kopplung.fKurse.ListeNrInhalt(1);
  const int32_t wochen = Standard().WochenZahl();
  for (const TKurs* k : kopplung.fKurse) {
    for (int32_t w = 1; w <= wochen; ++w) {
      ab.fStunden |= k->fStunden.GetWochenStunde(w) != erster->fStunden.GetWochenStunde(w);
    }
    ab.fStdProTag |= k->fStdProTag != erster->fStdProTag;
    ab.fEinzelStd |= k->fEinzelStd != erster->fEinzelStd;
    ab.fTabellenNr |= k->fTabellenNr != erster->fTabellenNr;
  }
  return ab;
}

// Every course of the coupling with one property, as the planner compares them.
template <class Zeile>
void Liste(const TKopplung& kopplung, bool abweichend, Zeile&& zeile) {
  if (!abweichend) return;
  for (const TKurs* k : kopplung.fKurse) zeile(*k, k->OhneRaumZeile(nullptr));
}

void KopplungVergleichen(TBefund& befund, const TKopplung& kopplung) {
  const TAbweichung ab = Abweichung(kopplung);
  const auto melde = [&](const std::string& zeile) { befund.Fehler(zeile, kKleinereFehler); };
  Liste(kopplung, ab.fStunden, [&](const TKurs& k, const std::string& text) {
    for (int32_t w = 1; w <= Standard().WochenZahl(); ++w) {
      melde(text + " {" + std::to_string(w) + "} " + std::to_string(k.fStunden.GetWochenStunde(w)) +
            " Wochenstunden.");
    }
  });
  Liste(kopplung, ab.fStdProTag, [&](const TKurs& k, const std::string& text) {
    melde(text + " " + std::to_string(k.fStdProTag) + " Stunden pro Tag.");
  });
  Liste(kopplung, ab.fEinzelStd, [&](const TKurs& k, const std::string& text) {
    melde(text + " " + std::to_string(k.fEinzelStd) + " Einzelstunden.");
  });
  Liste(kopplung, ab.fTabellenNr, [&](const TKurs& k, const std::string& text) {
    melde(text + " Tabelle " + std::to_string(k.fTabellenNr) + ".");
  });
}

}  // namespace

int VersionsPruefung(const TSchule& schule, Fehlerausgabe& fehler) {
  TBefund befund(fehler);
  if (Standard().WochenZahl() < 2) return befund.Stufe();
  SollUndLage(befund, schule.fLehrerMenge, "Bei Lehrer ");
  SollUndLage(befund, schule.fKlassenMenge, "Bei Klasse ");
  for (const TRaum* r : schule.fRaumMenge) {
    Lage(befund, "Bei Raum " + r->fKuerzel.str(), r->fSperrung, r->fBesetzung);
  }
  for (const TKurs* k : schule.fKursMenge) {
    const std::string wer = "Bei Kurs " + k->OhneRaumZeile(nullptr);
    Unterschied(befund, wer, k->fStunden.StundenGleich(), "Anzahl der Stunden");
    Lage(befund, wer, k->fSperrung, k->fBesetzung);
  }
  return befund.Stufe();
}

int KopplPruefung(const TSchule& schule, Fehlerausgabe& fehler) {
  TBefund befund(fehler);
  for (const TKopplung* o : schule.fKopplMenge) {
    if (o->fKurse.ListeZahlElemente() > 0) KopplungVergleichen(befund, *o);
  }
  return befund.Stufe();
}

}  // namespace orbato
