#include "persist/plangrenzen.h"

#include <cstdint>

#include "model/dokument/schule.h"

namespace orbato {
namespace {

constexpr int32_t kMaxSaetze = 32766;  // 32767 marks "no record" in the element sections
constexpr int32_t kMinInt = -32768;
constexpr int32_t kMaxInt = 32767;

constexpr const char* kVorspann = "Die Daten k\xF6nnen nicht gespeichert werden: ";

// Collects the first value that does not fit.
class TPruefung {
 public:
  void Zahl(int32_t n, const std::string& was) {
    if (!fMeldung && n > kMaxSaetze) {
      fMeldung = kVorspann + std::string("mehr als 32766 ") + was + ".";
    }
  }
  void Wert(int32_t wert, const std::string& was) {
    if (!fMeldung && (wert < kMinInt || wert > kMaxInt)) {
      fMeldung =
          kVorspann + was + " ist " + std::to_string(wert) + ", erlaubt sind -32768 bis 32767.";
    }
  }
  void Stunden(const TWochenStunden& stunden, const std::string& was) {
    for (int32_t w = 1; w <= Standard().WochenZahl(); ++w) Wert(stunden.GetWochenStunde(w), was);
  }
  std::optional<std::string> fMeldung;
};

std::string Name(const TElement* e) {
  return e ? e->fKuerzel.str() : std::string("-");
}

std::string KursName(const TKurs& k) {
  return Name(k.fLehrer) + " " + Name(k.fFach) + " " + Name(k.ErsteKlasse());
}

void PruefeKurs(TPruefung& p, const TKurs& k) {
  const std::string name = "Kurs " + KursName(k);
  if (!p.fMeldung && k.fSetzungen.ListeZahlElemente() > kMaxInt) {
    p.fMeldung = kVorspann + name + " hat mehr als 32767 gesetzte Stunden.";
  }
  p.Stunden(k.fStunden, "Die Stundenzahl des " + name);
  p.Wert(k.fFaktor, "Der Faktor des " + name);
  p.Wert(k.fEinzelStd, "Die Zahl der Einzelstunden des " + name);
  p.Wert(k.fStdProTag, "Die Zahl der Stunden pro Tag des " + name);
  p.Wert(k.fTabellenNr, "Die Tabellennummer des " + name);
  for (const TSetzung* s : k.fSetzungen) {
    p.Wert(s->fWoche, "Die Planversion einer Stunde des " + name);
    p.Wert(s->fTag, "Der Tag einer Stunde des " + name);
    p.Wert(s->fStunde, "Die Stunde einer Stunde des " + name);
  }
}

}  // namespace

std::optional<std::string> PlanGrenzenUeberschritten(const TSchule& schule) {
  TPruefung p;
  p.Zahl(schule.fLehrerMenge.ListeZahlElemente(), "Lehrer");
  p.Zahl(schule.fKlassenMenge.ListeZahlElemente(), "Klassen");
  p.Zahl(schule.fKopplMenge.ListeZahlElemente(), "Kopplungen");
  p.Zahl(schule.fFachMenge.ListeZahlElemente(),
         "F\xE4"
         "cher");
  p.Zahl(schule.fRaumMenge.ListeZahlElemente(), "R\xE4ume");
  p.Zahl(schule.fUVTabMenge.ListeZahlElemente(), "UV-Tabellen");
  p.Zahl(schule.fKursMenge.ListeZahlElemente(), "Kurse");
  p.Zahl(schule.fVertretungsMenge.ListeZahlElemente(), "Vertretungen");
  p.Zahl(schule.fFehlLehrerMenge.ListeZahlElemente(), "Abwesenheiten von Lehrern");
  p.Zahl(schule.fFehlKlassenMenge.ListeZahlElemente(), "Abwesenheiten von Klassen");
  p.Zahl(schule.fFehlRaumMenge.ListeZahlElemente(), "Abwesenheiten von R\xE4umen");
  p.Zahl(static_cast<int32_t>(schule.fFensterSaetze.size()), "Fenster");
  for (const TLehrer* l : schule.fLehrerMenge) {
    p.Stunden(l->fSoll, "Das Soll des Lehrers " + Name(l));
  }
  for (const TKlasse* k : schule.fKlassenMenge) {
    p.Stunden(k->fSoll, "Das Soll der Klasse " + Name(k));
  }
  for (const TKurs* k : schule.fKursMenge) PruefeKurs(p, *k);
  p.Wert(schule.fParListe.fZeilen, "Die Zeilenzahl der parallelen Kopplungen");
  p.Wert(schule.fParListe.fSpalten, "Die Spaltenzahl der parallelen Kopplungen");
  for (const TFenster& f : schule.fFensterSaetze) {
    const std::string fenster = "Fensters " + f.fTitel.str();
    p.Wert(f.fArt, "Die Art des " + fenster);
    p.Wert(f.fLinks, "Die linke Kante des " + fenster);
    p.Wert(f.fOben, "Die obere Kante des " + fenster);
    p.Wert(f.fBreite, "Die Breite des " + fenster);
    p.Wert(f.fHoehe, "Die H\xF6he des " + fenster);
  }
  return p.fMeldung;
}

}  // namespace orbato
