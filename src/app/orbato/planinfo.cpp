#include "app/orbato/planinfo.h"

#include <array>
#include <charconv>
#include <cmath>
#include <ostream>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "app/orbato/jsonausgabe.h"
#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"

namespace orbato {
namespace {

// A day word or a period mask: the bits as they stand, never a negative number.
std::string Wort(int32_t wort) {
  return JsonZahl(static_cast<uint32_t>(wort));
}

std::string Wahr(bool b) {
  return b ? "true" : "false";
}

// A moment as a day count with two decimals, rounded to the nearest; a value that is no number
// (which a damaged file can carry) is null, so that the text stays JSON.
std::string Zeitpunkt(TDatumZeit d) {
  if (!std::isfinite(d)) return "null";
  // Fixed notation of the largest double: 309 digits, the point and two decimals.
  std::array<char, 320> puffer{};
  const auto [ende, fehler] =
      std::to_chars(puffer.data(), puffer.data() + puffer.size(), d, std::chars_format::fixed, 2);
  if (fehler != std::errc()) return "null";
  std::string text(puffer.data(), ende);
  // A tiny negative moment rounds to zero: "0.00", not "-0.00".
  if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
  return text;
}

// An element reference: its short name, or null.
std::string Name(const TElement* element) {
  return element != nullptr ? JsonText(element->fKuerzel) : "null";
}

// An array of values on one line.
std::string Zeile(const std::vector<std::string>& werte) {
  std::string json = "[";
  for (std::size_t i = 0; i < werte.size(); ++i) {
    if (i > 0) json += ", ";
    json += werte[i];
  }
  json += ']';
  return json;
}

template <class T>
std::string Namen(const TListe<T>& liste) {
  std::vector<std::string> namen;
  for (const T* element : liste) namen.push_back(Name(element));
  return Zeile(namen);
}

// One entry per plan version 1..versionen.
template <class Wert>
std::string JeVersion(int32_t versionen, Wert&& wert) {
  std::vector<std::string> werte;
  for (int32_t w = 1; w <= versionen; ++w) werte.push_back(JsonZahl(wert(w)));
  return Zeile(werte);
}

class TPlanInfo {
 public:
  TPlanInfo(std::ostream& aus, const TSchule& schule, int32_t versionen)
      : fJson(aus), fSchule(schule), fVersionen(versionen) {
    int32_t nr = 0;
    for (const TVertretung* v : schule.fVertretungsMenge) fVertretungsNr.emplace(v, ++nr);
  }

  void Schreibe(int32_t formatVersion, int32_t aktuelleWoche) {
    fJson.Auf('{');
    fJson.Feld("formatversion", JsonZahl(formatVersion));
    fJson.Feld("dateiName", JsonText(fSchule.fDateiName));
    fJson.Feld("geaendert", Wahr(fSchule.IsDirty()));
    fJson.Feld("versionen", JsonZahl(fVersionen));
    fJson.Feld("aktuelleWoche", JsonZahl(aktuelleWoche));
    std::vector<std::string> kalender;
    for (const uint8_t woche : fSchule.fKalender) kalender.push_back(JsonZahl(woche));
    fJson.Feld("kalender", Zeile(kalender));
    Maske("grWoBereich", fSchule.fGrWoBereich);
    Maske("ueWoBereich", fSchule.fUEWoBereich);
    Liste("lehrer", fSchule.fLehrerMenge, [this](const TLehrer& l) { Lehrer(l); });
    Liste("klassen", fSchule.fKlassenMenge, [this](const TKlasse& k) { Klasse(k); });
    Liste("kopplungen", fSchule.fKopplMenge, [this](const TKopplung& k) { Benannt(k); });
    Liste("faecher", fSchule.fFachMenge, [this](const TFach& f) { Fach(f); });
    Liste("raeume", fSchule.fRaumMenge, [this](const TRaum& r) { Raum(r); });
    Liste("uvtabellen", fSchule.fUVTabMenge, [this](const TUVTab& t) { UVTab(t); });
    Liste("kurse", fSchule.fKursMenge, [this](const TKurs& k) { Kurs(k); });
    Liste("fehlLehrer", fSchule.fFehlLehrerMenge, [this](const TFehl& f) { Fehl(f); });
    Liste("fehlKlassen", fSchule.fFehlKlassenMenge, [this](const TFehl& f) { Fehl(f); });
    Liste("fehlRaeume", fSchule.fFehlRaumMenge, [this](const TFehl& f) { Fehl(f); });
    Parallel();
    fJson.FeldAuf("fenster", '[');
    for (const TFenster& f : fSchule.fFensterSaetze) FensterSatz(f);
    fJson.Zu();
    fJson.Zu();
  }

 private:
  // An array of objects, one per list element; each writer fills the members of its object.
  template <class T, class Inhalt>
  void Liste(std::string_view name, const TListe<T>& liste, Inhalt&& inhalt) {
    fJson.FeldAuf(name, '[');
    for (const T* element : liste) {
      fJson.ElementAuf('{');
      inhalt(*element);
      fJson.Zu();
    }
    fJson.Zu();
  }

  // One line per plan version with its 7 day words.
  void Maske(std::string_view name, const TWochBereich& bereich) {
    fJson.FeldAuf(name, '[');
    for (int32_t w = 1; w <= fVersionen; ++w) {
      std::vector<std::string> tage;
      for (int32_t tag = 1; tag <= kMaxTage; ++tag)
        tage.push_back(Wort(bereich.GetWocheTag(w, tag)));
      fJson.Element(Zeile(tage));
    }
    fJson.Zu();
  }

  std::string Soll(const TSollElement& e) const {
    return JeVersion(fVersionen, [&e](int32_t w) { return e.GetSoll(w); });
  }

  void Benannt(const TElement& e) {
    fJson.Feld("kuerzel", JsonText(e.fKuerzel));
    fJson.Feld("info", JsonText(e.fInfo));
  }

  void Lehrer(const TLehrer& l) {
    Benannt(l);
    fJson.Feld("soll", Soll(l));
    fJson.Feld("raum", Name(l.fRaum));
    fJson.Feld("faecher", Namen(l.fFaecher));
    Maske("sperrung", l.fSperrung);
    Maske("besetzung", l.fBesetzung);
    fJson.Feld("vstunden1", JsonZahl(l.fVStunden1));
    fJson.Feld("vstunden2", JsonZahl(l.fVStunden2));
    fJson.Feld("letzteAenderung", Zeitpunkt(l.fLetzteAenderung));
    fJson.Feld("freierTag", Wahr(l.fFreierTag));
  }

  void Klasse(const TKlasse& k) {
    Benannt(k);
    fJson.Feld("soll", Soll(k));
    fJson.Feld("raum", Name(k.fRaum));
    fJson.Feld("lehrer1", Name(k.fLehrer1));
    fJson.Feld("lehrer2", Name(k.fLehrer2));
    Maske("sperrung", k.fSperrung);
    Maske("besetzung", k.fBesetzung);
    fJson.Feld("kopDop", Wahr(k.fKopDop));
    fJson.Feld("letzteAenderung", Zeitpunkt(k.fLetzteAenderung));
  }

  void Fach(const TFach& f) {
    Benannt(f);
    fJson.Feld("lehrer", Namen(f.fLehrer));
    fJson.Feld("klassen", Namen(f.fKlassen));
  }

  void Raum(const TRaum& r) {
    Benannt(r);
    Maske("sperrung", r.fSperrung);
    Maske("besetzung", r.fBesetzung);
    fJson.Feld("letzteAenderung", Zeitpunkt(r.fLetzteAenderung));
  }

  void UVTab(const TUVTab& t) {
    Benannt(t);
    fJson.Feld("istFach", Wahr(t.fIstFach));
    fJson.Feld("lehrer", Namen(t.fLehrer));
    fJson.Feld("faecher", Namen(t.fFaecher));
    fJson.Feld("klassen", Namen(t.fKlassen));
  }

  void Kurs(const TKurs& k) {
    fJson.Feld("lehrer", Name(k.fLehrer));
    fJson.Feld("fach", Name(k.fFach));
    fJson.Feld("kopplung", Name(k.fKopplung));
    fJson.Feld("klassen", Namen(k.fKlassen));
    fJson.Feld("raeume", Namen(k.fRaeume));
    fJson.Feld("raumErgaenzt", Namen(k.fRaumErgaenzt));
    fJson.Feld("stunden",
               JeVersion(fVersionen, [&k](int32_t w) { return k.fStunden.GetWochenStunde(w); }));
    fJson.Feld("info", JsonText(k.fInfo));
    fJson.Feld("faktor", JsonZahl(k.fFaktor));
    fJson.Feld("einzelStd", JsonZahl(k.fEinzelStd));
    fJson.Feld("stdProTag", JsonZahl(k.fStdProTag));
    fJson.Feld("tabellenNr", JsonZahl(k.fTabellenNr));
    fJson.Feld("nichtVerplanen", Wahr(k.fNichtVerplanen));
    fJson.Feld("nichtZaehlenLe", Wahr(k.fNichtZaehlenLe));
    fJson.Feld("nichtZaehlenKl", Wahr(k.fNichtZaehlenKl));
    Maske("sperrung", k.fSperrung);
    fJson.Feld("farbe", JsonZahl(k.fColor));
    Liste("setzungen", k.fSetzungen, [this](const TSetzung& s) { Setzung(s); });
  }

  void Setzung(const TSetzung& s) {
    fJson.Feld("woche", JsonZahl(s.fWoche));
    fJson.Feld("tag", JsonZahl(s.fTag));
    fJson.Feld("stunde", JsonZahl(s.fStunde));
    fJson.Feld("raum", Name(s.fRaum));
    fJson.Feld("fixiert", Wahr(s.fFixiert));
    Liste("vertretungen", s.fVertretungen, [this](const TVertretung& v) { Vertretung(v); });
  }

  // A record's number is its place in the document's list; a partner outside it has none.
  std::string VertretungsNr(const TVertretung* v) const {
    const auto stelle = fVertretungsNr.find(v);
    return stelle != fVertretungsNr.end() ? JsonZahl(stelle->second) : "null";
  }

  void Vertretung(const TVertretung& v) {
    fJson.Feld("nr", VertretungsNr(&v));
    fJson.Feld("datum", Zeitpunkt(v.fDatum));
    fJson.Feld("adHoc", Zeitpunkt(v.fAdHoc));
    fJson.Feld("lehrer", Name(v.fLehrer));
    fJson.Feld("raum", Name(v.fRaum));
    fJson.Feld("fach", Name(v.fFach));
    fJson.Feld("lInfo", JsonText(v.fLInfo));
    fJson.Feld("sInfo", JsonText(v.fSInfo));
    fJson.Feld("frei", Wahr(v.fFrei));
    fJson.Feld("gueltig", Wahr(v.fGueltig));
    fJson.Feld("angerechnet", Wahr(v.fAngerechnet));
    fJson.Feld("von", v.fVon != nullptr ? VertretungsNr(v.fVon) : "null");
    fJson.Feld("zu", v.fZu != nullptr ? VertretungsNr(v.fZu) : "null");
  }

  void Fehl(const TFehl& f) {
    fJson.Feld("datum", Zeitpunkt(f.fDatum));
    fJson.Feld("element", Name(f.fElement));
    fJson.Feld("zeit", JsonZahl(f.fZeit));
    fJson.Feld("grund", JsonText(f.fGrund));
  }

  void Parallel() {
    const TParListe& par = fSchule.fParListe;
    std::vector<std::string> zellen;
    for (const TKopplung* k : par.fListe) zellen.push_back(Name(k));
    fJson.FeldAuf("parallel", '{');
    fJson.Feld("zeilen", JsonZahl(par.fZeilen));
    fJson.Feld("spalten", JsonZahl(par.fSpalten));
    fJson.Feld("zellen", Zeile(zellen));
    fJson.Zu();
  }

  void FensterSatz(const TFenster& f) {
    fJson.ElementAuf('{');
    fJson.Feld("art", JsonZahl(f.fArt));
    fJson.Feld("titel", JsonText(f.fTitel));
    fJson.Feld("links", JsonZahl(f.fLinks));
    fJson.Feld("oben", JsonZahl(f.fOben));
    fJson.Feld("breite", JsonZahl(f.fBreite));
    fJson.Feld("hoehe", JsonZahl(f.fHoehe));
    fJson.Zu();
  }

  TJsonAusgabe fJson;
  const TSchule& fSchule;
  const int32_t fVersionen;
  std::unordered_map<const TVertretung*, int32_t> fVertretungsNr;
};

}  // namespace

void SchreibePlanInfo(std::ostream& aus, const TSchule& schule, int32_t formatVersion,
                      const TStandard& standard) {
  TPlanInfo(aus, schule, standard.fMaxWocheNeu).Schreibe(formatVersion, standard.fAktuelleWoche);
  aus << '\n';
}

}  // namespace orbato
