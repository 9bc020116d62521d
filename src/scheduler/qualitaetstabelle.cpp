#include "scheduler/qualitaetstabelle.h"

#include <optional>

#include "model/einstellungen/standard.h"

namespace orbato {
namespace {

std::string Zahl(int32_t n) {
  return std::to_string(n);
}

// "9 (Q2)"; "0" while nobody has a gap.
std::string Schlechtester(const std::optional<TSchlechtester>& s) {
  return s ? Zahl(s->fLuecken) + " (" + s->fKuerzel + ")" : "0";
}

// Kept, broken, or not wished at all.
std::string FreierTag(const TLehrerQualitaet& z) {
  if (!z.fFreierTagGewuenscht) return "";
  return z.fFreierTag ? "ja" : "nein";
}

}  // namespace

TQualitaetsGrenzen QualitaetsGrenzen(const TOptimierEinstellungen& einstellungen) {
  TQualitaetsGrenzen grenzen;
  grenzen.fMaxTagesStunden = einstellungen.fLehrerMax;
  grenzen.fMinTagesStunden = einstellungen.fLehrerMin;
  return grenzen;
}

std::string QualitaetsUeberschrift(int32_t woche) {
  return "Planversion " + Zahl(woche);
}

TQualitaetsTabelle KennzahlTabelle(const TPlanQualitaet& q, const TQualitaetsGrenzen& grenzen) {
  const std::string max = Zahl(grenzen.fMaxTagesStunden);
  const std::string min = Zahl(grenzen.fMinTagesStunden);
  return {{"Kennzahl", "Wert"},
          {
              {"Stunden zu setzen", Zahl(q.fStundenSoll)},
              {"Stunden gesetzt", Zahl(q.fStundenGesetzt)},
              {"Hohlstunden der Klassen", Zahl(q.fKlassenLueckenSumme)},
              {"Klassen mit Hohlstunden", Zahl(q.fKlassenMitLuecken)},
              {"meiste Hohlstunden einer Klasse", Schlechtester(q.fSchlechtesteKlasse)},
              {"Springstunden der Lehrer", Zahl(q.fLehrerLueckenSumme)},
              {"meiste Springstunden eines Lehrers", Schlechtester(q.fSchlechtesterLehrer)},
              {"Lehrer mit mehr als " + Zahl(grenzen.fLehrerLuecken) + " Springstunden",
               Zahl(q.fLehrerUeberGrenze)},
              {"Klassentage mit einem Fach doppelt", Zahl(q.fFachDoppeltTage)},
              {"Lehrertage \xFC"
               "ber " +
                   max + " Stunden",
               Zahl(q.fLehrerTageUeberMax)},
              {"Lehrertage unter " + min + " Stunden", Zahl(q.fLehrerTageUnterMin)},
              {"Wunsch freier Tag erf\xFCllt",
               Zahl(q.fFreierTagErfuellt) + " von " + Zahl(q.fFreierTagGewuenscht)},
              {"Bl\xF6"
               "cke \xFC"
               "ber nicht verbundene Zellen",
               Zahl(q.fUnverbundeneBloecke)},
              {"Verst\xF6\xDF"
               "e gegen harte Regeln",
               Zahl(q.fHarteVerletzungen)},
          }};
}

TQualitaetsTabelle LehrerTabelle(const std::vector<TLehrerQualitaet>& lehrer,
                                 const TQualitaetsGrenzen& grenzen) {
  TQualitaetsTabelle t{{"Lehrer", "Stunden", "Springstunden",
                        "Tage \xFC"
                        "ber " +
                            Zahl(grenzen.fMaxTagesStunden),
                        "Tage unter " + Zahl(grenzen.fMinTagesStunden), "freier Tag"},
                       {}};
  for (const TLehrerQualitaet& z : lehrer) {
    t.fZeilen.push_back({z.fKuerzel, Zahl(z.fStunden), Zahl(z.fLuecken), Zahl(z.fTageUeberMax),
                         Zahl(z.fTageUnterMin), FreierTag(z)});
  }
  return t;
}

TQualitaetsTabelle KlassenTabelle(const std::vector<TKlassenQualitaet>& klassen) {
  TQualitaetsTabelle t{
      {"Klasse", "Stunden", "Hohlstunden", "Tage mit Fach doppelt", "Tage mit sp\xE4tem Beginn"},
      {}};
  for (const TKlassenQualitaet& z : klassen) {
    t.fZeilen.push_back({z.fKuerzel, Zahl(z.fStunden), Zahl(z.fLuecken), Zahl(z.fFachDoppeltTage),
                         Zahl(z.fSpaeteTage)});
  }
  return t;
}

}  // namespace orbato
