#include "substitution/vertretungsuebersicht.h"

#include <algorithm>
#include <array>

#include "model/basis/datumformat.h"
#include "model/dokument/schule.h"
#include "model/fenster/fenstertyp.h"
#include "model/schnittstellen/zwischenablage.h"
#include "model/uv/stundenwert.h"
#include "model/vertretung/kalender.h"

namespace orbato {
namespace {

// What became of a lesson of a class, in the order the columns stand.
enum TKlassenFall { kFrei, kVertreten, kVerlegt, kRaum, kOffen, kFaelle };

TKlassenFall Fall(const TVertretung& v) {
  if (v.fFrei) return kFrei;
  if (v.EchteVertretung()) return kVertreten;
  if (v.fVon) return kVerlegt;
  if (v.fLehrer) return kRaum;
  return kOffen;
}

const char* const kFallText[kFaelle] = {"frei", "vertreten", "verlegt", "Raum", "offen"};

bool Vertritt(const TVertretung& v, const TElement& lehrer) {
  return v.fLehrer == &lehrer && v.EchteVertretung();
}

// A lesson of his that someone else gives, or nobody.
bool Fehlt(const TVertretung& v, const TElement& lehrer) {
  return v.fKurs && v.fKurs->fLehrer == &lehrer && v.fLehrer != &lehrer;
}

bool BetrifftKlasse(const TVertretung& v, const TElement& klasse) {
  if (v.fKurs == nullptr) return false;
  for (const TKlasse* k : v.fKurs->fKlassen) {
    if (k == &klasse) return true;
  }
  return false;
}

std::string Wert(int32_t zeiteinheiten) {
  std::string text = StundenWert(zeiteinheiten);
  text.erase(0, text.find_first_not_of(' '));
  return text;
}

std::string Stunde(const TVertretung& v) {
  const int32_t woche = v.Woche();
  const int32_t std = v.Stunde();
  std::string text = StundenBezeichnung(woche, std);
  text.erase(0, text.find_first_not_of(' '));
  return text;
}

// Teacher, classes and subject as planned.
std::string Kurs(const TVertretung& v) {
  if (v.fKurs == nullptr) return {};
  std::string klassen;
  for (const TKlasse* k : v.fKurs->fKlassen) {
    if (!klassen.empty()) klassen += ',';
    klassen += k->fKuerzel.str();
  }
  return KuerzelVon(v.fKurs->fLehrer) + " " + klassen + " " + KuerzelVon(v.fKurs->fFach);
}

// As the substitution window writes the substitute.
std::string Vertreter(const TVertretung& v) {
  if (v.fFrei) return "-----";
  return v.fLehrer ? v.fLehrer->fKuerzel.str() : std::string("?????");
}

TRasterZeile DetailZeile(const TVertretung& v, const std::string& art) {
  return {FormatDatum("ddd, d\".\" mmm yyyy", v.fDatum),
          Stunde(v),
          art,
          Kurs(v),
          Vertreter(v),
          KuerzelVon(v.fRaum),
          v.fLInfo.str()};
}

template <class T>
const TElement* Nummer(const TListe<T>& menge, int32_t zeile) {
  if (zeile < 1 || zeile > menge.ListeZahlElemente()) return nullptr;
  return menge.ListeNrInhalt(zeile);
}

}  // namespace

TVertretungsUebersicht::TVertretungsUebersicht(const TSchule& schule, TKuerzelArt art,
                                               TDatumZeit von, TDatumZeit bis)
    : fSchule(schule), fArt(art == kla ? kla : leh), fVon(von), fBis(bis) {
  Rechnen();
}

void TVertretungsUebersicht::SetBereich(TDatumZeit von, TDatumZeit bis) {
  fVon = von;
  fBis = bis;
  Rechnen();
}

std::string TVertretungsUebersicht::Titel() const {
  return FensterTypTitel(fArt == leh ? TFensterTyp::VertretungsUebersichtLehrer
                                     : TFensterTyp::VertretungsUebersichtKlassen);
}

std::string TVertretungsUebersicht::BereichText() const {
  return "vom " + FormatDatum("dd.mm.yyyy", fVon) + " bis " + FormatDatum("dd.mm.yyyy", fBis);
}

// The records in force of the range's days, by date and period.
std::vector<const TVertretung*> TVertretungsUebersicht::ImBereich() const {
  std::vector<const TVertretung*> liste;
  for (const TVertretung* v : fSchule.fVertretungsMenge) {
    const int tag = GanzerTag(v->fDatum);
    if (v->fGueltig && tag >= GanzerTag(fVon) && tag <= GanzerTag(fBis)) liste.push_back(v);
  }
  std::stable_sort(liste.begin(), liste.end(), [](const TVertretung* a, const TVertretung* b) {
    const int ta = GanzerTag(a->fDatum);
    const int tb = GanzerTag(b->fDatum);
    return ta != tb ? ta < tb : a->Stunde() < b->Stunde();
  });
  return liste;
}

void TVertretungsUebersicht::Rechnen() {
  const std::vector<const TVertretung*> vertretungen = ImBereich();
  fRaster.clear();
  if (fArt == leh) {
    fRaster.push_back(
        {"Lehrer", "Name", "vertreten", "Std.", "angerechnet", "gefehlt", "Std. gefehlt", "frei"});
    for (const TLehrer* l : fSchule.fLehrerMenge) fRaster.push_back(LehrerZeile(*l, vertretungen));
  } else {
    fRaster.push_back(
        {"Klasse", "Name", "betroffen", "frei", "vertreten", "verlegt", "Raum", "offen"});
    for (const TKlasse* k : fSchule.fKlassenMenge) {
      fRaster.push_back(KlassenZeile(*k, vertretungen));
    }
  }
}

TRasterZeile TVertretungsUebersicht::LehrerZeile(
    const TElement& lehrer, const std::vector<const TVertretung*>& vertretungen) const {
  int32_t vertreten = 0, stunden = 0, angerechnet = 0, gefehlt = 0, fehlStunden = 0, frei = 0;
  for (const TVertretung* v : vertretungen) {
    if (Vertritt(*v, lehrer)) {
      ++vertreten;
      stunden += v->Faktor();
      if (v->fAngerechnet) angerechnet += v->Faktor();
    } else if (Fehlt(*v, lehrer)) {
      ++gefehlt;
      fehlStunden += v->Faktor();
      if (v->fFrei) ++frei;
    }
  }
  return {lehrer.fKuerzel.str(), lehrer.fInfo.str(),  std::to_string(vertreten),
          Wert(stunden),         Wert(angerechnet),   std::to_string(gefehlt),
          Wert(fehlStunden),     std::to_string(frei)};
}

TRasterZeile TVertretungsUebersicht::KlassenZeile(
    const TElement& klasse, const std::vector<const TVertretung*>& vertretungen) const {
  std::array<int32_t, kFaelle> faelle{};
  int32_t betroffen = 0;
  for (const TVertretung* v : vertretungen) {
    if (!BetrifftKlasse(*v, klasse)) continue;
    ++betroffen;
    ++faelle[Fall(*v)];
  }
  TRasterZeile zeile = {klasse.fKuerzel.str(), klasse.fInfo.str(), std::to_string(betroffen)};
  for (int32_t n : faelle) zeile.push_back(std::to_string(n));
  return zeile;
}

const TElement* TVertretungsUebersicht::Element(int32_t zeile) const {
  return fArt == leh ? Nummer(fSchule.fLehrerMenge, zeile) : Nummer(fSchule.fKlassenMenge, zeile);
}

std::vector<TRasterZeile> TVertretungsUebersicht::Details(int32_t zeile) const {
  std::vector<TRasterZeile> details;
  const TElement* e = Element(zeile);
  if (e == nullptr) return details;
  for (const TVertretung* v : ImBereich()) {
    if (fArt == kla) {
      if (BetrifftKlasse(*v, *e)) details.push_back(DetailZeile(*v, kFallText[Fall(*v)]));
    } else if (Vertritt(*v, *e)) {
      details.push_back(DetailZeile(*v, "vertritt"));
    } else if (Fehlt(*v, *e)) {
      details.push_back(DetailZeile(*v, "fehlt"));
    }
  }
  return details;
}

TRasterZeile TVertretungsUebersicht::DetailKopf() {
  return {"Datum", "Stunde", "Art", "Kurs", "Vertretung", "Raum", "Bemerkung"};
}

std::string TVertretungsUebersicht::Text() const {
  std::vector<std::string> zeilen;
  for (const TRasterZeile& z : fRaster) zeilen.push_back(TabZeile(z));
  return ZwischenablageText(zeilen);
}

}  // namespace orbato
