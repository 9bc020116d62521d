#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "scheduler/planqualitaet.h"

namespace orbato {

struct TOptimierEinstellungen;

// The quality figures as the window "Planqualität" shows and copies them, texts in Windows-1252.
struct TQualitaetsTabelle {
  std::vector<std::string> fKoepfe;
  std::vector<std::vector<std::string>> fZeilen;
};

// The limits a planner set for "Optimieren" are the ones the figures measure against; the
// teacher's weekly gap limit stays at its default.
TQualitaetsGrenzen QualitaetsGrenzen(const TOptimierEinstellungen& einstellungen);

// "Planversion 3".
std::string QualitaetsUeberschrift(int32_t woche);

// "Kennzahl" / "Wert", one row per figure of the version.
TQualitaetsTabelle KennzahlTabelle(const TPlanQualitaet& q, const TQualitaetsGrenzen& grenzen);
// One row per teacher, respectively class, in the order given.
TQualitaetsTabelle LehrerTabelle(const std::vector<TLehrerQualitaet>& lehrer,
                                 const TQualitaetsGrenzen& grenzen);
TQualitaetsTabelle KlassenTabelle(const std::vector<TKlassenQualitaet>& klassen);

}  // namespace orbato
