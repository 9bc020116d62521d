#pragma once

#include <string>
#include <vector>

namespace orbato {

class TElement;
class TSchule;

// "UV-Statistik": for every teaching-distribution table a line with its sums, then a line for
// each of its rows and each of its columns, every sum taken over the courses the table's matrix
// shows, against the element's target where it has one.

// "Soll", "Ist", "(Ist)", "Rest", "Tabelle", "Zeile", "Spalte", "Info".
std::vector<std::string> UVStatistikKoepfe();

struct TUVStatistikZeile {
  // The table for its own line, else the row's or column's element.
  TElement* fElement = nullptr;
  std::vector<std::string> fTexte;
};

// A table's line adds up the lines of its rows and names what its rows and columns are
// ("Klassen" and "Fächer", or "Lehrer" and "Klassen"). A class counts a coupling once, with its
// largest course in the table, unless fKopDop; teachers and subjects count every course. The
// subjects have no target, so their "Soll" and "Rest" stay empty.
std::vector<TUVStatistikZeile> UVStatistik(const TSchule& schule);

}  // namespace orbato
