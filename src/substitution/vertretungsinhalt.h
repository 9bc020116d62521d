#pragma once

// What a printed or published substitution plan of one date holds for one of the four print
// layouts: the absence lists, the rows of the substitution table and of the replacement-room table
// in their groups and order, and the texts of each row. The HTML pages and the printout both build
// on this, so that the board and the screen show the same. Texts are Windows-1252, unescaped; the
// content reads the installed document and settings (Schule(), Standard()).

#include <cstdint>
#include <string>
#include <vector>

#include "model/basis/datum.h"

namespace orbato {

class TVertretung;
struct TVDEinstellung;

// Layout 1..4 of the settings; numbers outside are held to that range.
const TVDEinstellung& VertretungsLayout(int32_t layout);

// One absent element: its name as the layout names people (with "(reason) " in front when the
// layout shows reasons) and its periods "first - last" by their labels.
struct TFehlEintrag {
  std::string fName;
  std::string fStunden;
};

// "fehlende Lehrer:", "fehlende Klassen:" or "fehlende Räume:" with the absences of the date in
// list order.
struct TFehlListe {
  std::string fUeberschrift;
  std::vector<TFehlEintrag> fEintraege;
};

// The lists the layout asks for that have someone absent: teachers, classes, rooms.
std::vector<TFehlListe> FehlListen(const TVDEinstellung& e, TDatumZeit datum);

// One row of a table with the group it stands in; a row whose `fGruppe` differs from the row
// before opens a new group under `fUeberschrift`.
struct TInhaltsZeile {
  const void* fGruppe;
  std::string fUeberschrift;
  const TVertretung* fVertretung;
};

struct TInhaltsTabelle {
  // False when the table is grouped by period: the period is then the group's heading and the
  // rows drop their first cell.
  bool fMitStunde = true;
  std::vector<TInhaltsZeile> fZeilen;
};

// The records of the date in force whose substitute differs from the course's teacher or that keep
// the placement's room, grouped and sorted as the layout's plan part says ("sortiert nach"
// classes, substitute teachers with "frei" and "?????" groups, absent teachers, periods).
TInhaltsTabelle VertretungsInhalt(int32_t layout, TDatumZeit datum);
// The lessons of the date held by their own teacher in another room, grouped as the layout's
// replacement-room part says (class, teacher, room, period).
TInhaltsTabelle ErsatzraumInhalt(int32_t layout, TDatumZeit datum);

// The cells of a row: period label (only `mitStunde`), the planned text, "==>", the substitute
// ("-----" cancelled, "?????" without substitute) and the layout's remark.
std::vector<std::string> ZellenTexte(const TVertretung& v, int32_t layout, bool mitStunde);
// Whether the row is marked as changed today: the layout has "mit Ad hoc" and fAdHoc is today.
bool AdHocMarkiert(const TVertretung& v, int32_t layout);

// "Vertretungsplan für Mittwoch, 09. Dez 2026", with "  KW 50" when the layout shows the week.
std::string TagesTitel(const std::string& was, TDatumZeit datum, const TVDEinstellung& e);

}  // namespace orbato
