#pragma once

#include <string>
#include <vector>

#include "model/elemente/kuerzelart.h"
#include "model/fenster/fenstertyp.h"

namespace orbato {

class TElement;
class TSchule;
class TSollElement;

// The rows of the statistics windows, one per element kind: "Lehrerstatistik" (leh) and
// "Klassenstatistik" (kla) with target, workload, lessons and rest of each teacher or class, then
// its short name and info text; "Fachstatistik" (fac), "Kopplungsstatistik" (kop) and
// "Raumstatistik" (rau) with workload, lessons, placed and open lessons (elementstatistik.h);
// "UV-Statistik" (uvt) with the sums of the distribution tables (uvstatistik.h).

// The window's kind, its title and the number the plan file stores for its kind.
TFensterTyp StatistikTyp(TKuerzelArt art);
std::string StatistikTitel(TKuerzelArt art);
int StatistikFensterArt(TKuerzelArt art);
// "Soll", "Ist", "(Ist)", "Rest", "Lehrer" or "Klasse", "Info" for teachers and classes.
std::vector<std::string> StatistikKoepfe(TKuerzelArt art);
// How many columns from the left hold numbers (shown right-aligned).
int StatistikZahlSpalten(TKuerzelArt art);
// A teacher is credited with each of his coupled courses; a class counts a coupling once unless
// fKopDop. Hour values in the format of every workload, the lessons as a plain number.
std::vector<std::string> StatistikZeile(const TSollElement& element);
// One row per element of the kind in the document's order (the tables' lines for uvt); one empty
// row without any.
std::vector<std::vector<std::string>> StatistikZeilen(const TSchule& schule, TKuerzelArt art);
// The element a row stands for, whose window a double-click opens; none for the empty row.
TElement* StatistikElement(const TSchule& schule, TKuerzelArt art, int zeile);
// "Kopieren": the header line and the rows, tab-separated, with CR LF.
std::string StatistikText(const TSchule& schule, TKuerzelArt art);

}  // namespace orbato
