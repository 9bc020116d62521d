#include "substitution/wochenausfall.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>
#include <unordered_set>

#include "model/basis/datumformat.h"
#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/uv/stundenwert.h"
#include "model/vertretung/kalender.h"

namespace orbato {
namespace {

enum class TStufe { Sek1, Sek2 };

bool GehoertZu(const TKlasse& klasse, TStufe stufe) {
  const std::string& name = klasse.fKuerzel.str();
  if (stufe == TStufe::Sek1) return !name.empty() && name[0] >= '0' && name[0] <= '9';
  return name == "EF" || name == "Q1" || name == "Q2";
}

// The week under count: its Monday, its plan version and which weekdays are school days.
struct TAusfallWoche {
  int montag;  // whole day
  int32_t version;
  std::array<bool, 8> schultag{};  // by weekday 1..7

  TAusfallWoche(const TSchule& schule, TDatumZeit montagDatum)
      : montag(GanzerTag(montagDatum)),
        version(schule.fKalender[static_cast<std::size_t>(KalenderWoche(montagDatum))]) {
    for (int tag = 1; tag <= kMaxTage; ++tag)
      schultag[static_cast<std::size_t>(tag)] = Schultag(Datum(tag));
  }
  TDatumZeit Datum(int tag) const { return montag + tag - 1 + 0.5; }
  bool IstSchultag(int tag) const {
    return tag >= 1 && tag <= kMaxTage && schultag[static_cast<std::size_t>(tag)];
  }
  int Tage() const { return static_cast<int>(std::count(schultag.begin(), schultag.end(), true)); }
};

// The sums of one block, in time units (course factors).
struct TAusfallZahlen {
  int32_t geplant = 0;     // P
  int32_t betroffen = 0;   // A
  int32_t eva = 0;         // V
  int32_t veraendert = 0;  // C: substitution with a changed group
  int32_t gleich = 0;      // S: substitution with the same group
  int32_t besonders = 0;   // B: lessons of absent classes
};

bool EnthaeltOhneGross(std::string_view text, std::string_view klein) {
  std::string gesenkt(text);
  for (char& c : gesenkt) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return gesenkt.find(klein) != std::string::npos;
}

// The records of the placement on its date that take the lesson from its teacher.
void ZaehleVertretungen(const TKurs& kurs, const TSetzung& setzung, int datum, TStufe stufe,
                        TAusfallZahlen& z) {
  for (const TVertretung* v : setzung.fVertretungen) {
    if (GanzerTag(v->fDatum) != datum || !v->fGueltig) continue;
    if (v->fLehrer != nullptr && v->fLehrer == kurs.fLehrer) continue;
    z.betroffen += kurs.fFaktor;
    const std::string_view bemerkung = v->fSInfo;
    if (stufe == TStufe::Sek2 && bemerkung.find("EVA") != std::string_view::npos) {
      z.eva += kurs.fFaktor;
    } else if (EnthaeltOhneGross(bemerkung, "teilnahme")) {
      z.veraendert += kurs.fFaktor;
    } else if (v->fLehrer != nullptr) {
      z.gleich += kurs.fFaktor;
    }
  }
}

// The lessons absent classes of the block would have had; a lesson shared by several absent
// classes counts once, as it does in the plan.
void ZaehleBesondereForm(const TSchule& schule, const TAusfallWoche& woche,
                         const std::unordered_set<const TPlanElement*>& klassen,
                         TAusfallZahlen& z) {
  std::unordered_set<const TSetzung*> gezaehlt;
  for (const TFehl* fehl : schule.fFehlKlassenMenge) {
    const int tag = GanzerTag(fehl->fDatum) - woche.montag + 1;
    if (!woche.IstSchultag(tag) || !klassen.contains(fehl->fElement)) continue;
    for (int std = 1; std <= kMaxStunden; ++std) {
      if (!fehl->FehltIn(std)) continue;
      for (const TKurs* kurs : fehl->fElement->fKurse) {
        const TSetzung* s = kurs->SetzungFinden(woche.version, tag, std);
        if (s != nullptr && gezaehlt.insert(s).second) z.besonders += kurs->fFaktor;
      }
    }
  }
}

TAusfallZahlen Zaehle(const TSchule& schule, const TAusfallWoche& woche, TStufe stufe) {
  std::unordered_set<const TPlanElement*> klassen;
  std::vector<const TKurs*> kurse;
  for (const TKlasse* k : schule.fKlassenMenge) {
    if (!GehoertZu(*k, stufe)) continue;
    klassen.insert(k);
    for (const TKurs* kurs : k->fKurse) kurse.push_back(kurs);
  }
  // A course of several classes of the block counts once.
  std::sort(kurse.begin(), kurse.end());
  kurse.erase(std::unique(kurse.begin(), kurse.end()), kurse.end());

  TAusfallZahlen z;
  for (const TKurs* kurs : kurse) {
    for (const TSetzung* s : kurs->fSetzungen) {
      if (s->fWoche != woche.version || !woche.IstSchultag(s->fTag)) continue;
      z.geplant += kurs->fFaktor;
      ZaehleVertretungen(*kurs, *s, woche.montag + s->fTag - 1, stufe, z);
    }
  }
  ZaehleBesondereForm(schule, woche, klassen, z);
  return z;
}

// An hour value with the settings' decimals and no padding.
std::string Wert(int32_t zeiteinheiten) {
  std::string text = StundenWert(zeiteinheiten);
  text.erase(0, text.find_first_not_of(' '));
  return text;
}

void BlockZeilen(const TAusfallZahlen& z, TStufe stufe, std::vector<std::string>& zeilen) {
  const bool oben = stufe == TStufe::Sek2;
  zeilen.push_back(oben ? "Sekundarstufe II   (Klassenbezeichnung EF, Q1, Q2)"
                        : "Primarstufe und Sekundarstufe I   (Klassenbezeichnung beginnt mit "
                          "Ziffer)");
  zeilen.push_back(Wert(z.geplant) + " Stunden planm\xE4\xDFiger Unterricht");
  zeilen.push_back(Wert(z.geplant - z.betroffen - z.besonders) +
                   " Stunden erteilter Unterricht laut Plan");
  zeilen.push_back(Wert(z.besonders) + " Stunden erteilter Unterricht in besonderer Form");
  zeilen.push_back(Wert(z.gleich) + " Vertretungsunterrichtstunden mit gleicher Lerngruppe");
  zeilen.push_back(Wert(z.veraendert) +
                   " Vertretungsunterrichtstunden mit ver\xE4nderter Lerngruppe");
  zeilen.push_back(oben ? Wert(z.eva) + " EVA-Stunden" : "0  EVA-Stunden nur in SEK II");
  const int32_t entfallen = z.betroffen - z.gleich - z.veraendert - (oben ? z.eva : 0);
  zeilen.push_back(Wert(entfallen) + " entfallene Stunden");
}

}  // namespace

std::string AusfallBereich(TDatumZeit montag) {
  const int tag = GanzerTag(montag);
  return DatumZeitText(tag + 0.5) + " - " + DatumZeitText(tag + 6.5);
}

std::optional<std::vector<std::string>> WochenAusfall(const TSchule& schule, int kw, int jahr) {
  const std::optional<TDatumZeit> montag = IsoWochenMontag(kw, jahr);
  if (!montag) return std::nullopt;
  const TAusfallWoche woche(schule, *montag);
  std::vector<std::string> zeilen = {
      "Ermittlung des w\xF6"
      "chentlichen Unterrichtsausfalls",
      "KW: " + std::to_string(kw) + "   Jahr: " + std::to_string(jahr) +
          "   Unterrichtstage: " + std::to_string(woche.Tage()),
      "",
      AusfallBereich(*montag),
      "",
      ""};
  BlockZeilen(Zaehle(schule, woche, TStufe::Sek1), TStufe::Sek1, zeilen);
  zeilen.insert(zeilen.end(), {"", ""});
  BlockZeilen(Zaehle(schule, woche, TStufe::Sek2), TStufe::Sek2, zeilen);
  return zeilen;
}

std::string AusfallText(const std::vector<std::string>& zeilen) {
  std::string text;
  for (const std::string& zeile : zeilen) {
    if (&zeile != &zeilen.front()) text += '\n';
    text += zeile;
  }
  return text;
}

TWochenAusfall::TWochenAusfall(const TSchule& schule, TStandard& standard)
    : fSchule(schule),
      fStandard(standard),
      fKW(standard.fWoAusfallKW),
      fJahr(standard.fWoAusfallJahr) {
  Rechnen();
}

void TWochenAusfall::SetKW(int kw) {
  fKW = kw;
  Merken();
  Rechnen();
}

void TWochenAusfall::SetJahr(int jahr) {
  fJahr = jahr;
  Merken();
  Rechnen();
}

void TWochenAusfall::Rechnen() {
  const std::optional<TDatumZeit> montag = IsoWochenMontag(fKW, fJahr);
  const auto zeilen = WochenAusfall(fSchule, fKW, fJahr);
  fBereich = montag ? AusfallBereich(*montag) : std::string();
  fText = zeilen ? AusfallText(*zeilen) : std::string();
}

void TWochenAusfall::Schliessen() {
  Merken();
}

void TWochenAusfall::Merken() const {
  fStandard.fWoAusfallKW = fKW;
  fStandard.fWoAusfallJahr = fJahr;
}

}  // namespace orbato
