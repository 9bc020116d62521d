#pragma once

#include <string>
#include <vector>

#include "model/elemente/kuerzelart.h"

namespace orbato {

class TSchule;
class TSollElement;

// The rows of the windows "Lehrerstatistik" (leh) and "Klassenstatistik" (kla): target, workload,
// lessons and rest of each teacher or class, then its short name and info text.

// "Soll", "Ist", "(Ist)", "Rest", "Lehrer" or "Klasse", "Info".
std::vector<std::string> StatistikKoepfe(TKuerzelArt art);
// A teacher is credited with each of his coupled courses; a class counts a coupling once unless
// fKopDop. Hour values in the format of every workload, the lessons as a plain number.
std::vector<std::string> StatistikZeile(const TSollElement& element);
// One row per element of the kind in the document's order; one empty row without any.
std::vector<std::vector<std::string>> StatistikZeilen(const TSchule& schule, TKuerzelArt art);
// "Kopieren": the header line and the rows, tab-separated, with CR LF.
std::string StatistikText(const TSchule& schule, TKuerzelArt art);

}  // namespace orbato
