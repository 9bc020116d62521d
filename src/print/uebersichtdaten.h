#pragma once

// What the whole-school overviews print: one row per teacher, class, room, subject or coupling,
// one column per day and period of the printed range, and in each cell the short names of the
// lesson held there. Plain data in file code, so that the layout only measures and draws.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orbato {

class TStandard;
struct TDruckAuftrag;
struct TDruckEinstellung;

enum class TUebersichtArt { Lehrer, Klassen, Raeume, Faecher, Kombination };

// The settings group each overview keeps its options in.
TDruckEinstellung& UebersichtEinstellung(TStandard& standard, TUebersichtArt art);
const TDruckEinstellung& UebersichtEinstellung(const TStandard& standard, TUebersichtArt art);

// One cell: its lines, top to bottom, and how they are drawn.
struct TUebersichtZelle {
  std::vector<std::string> zeilen;
  bool fett = false;
  bool unterstrichen = false;    // a fixed lesson
  bool gesperrt = false;         // blocked and free
  std::optional<int32_t> farbe;  // the course colour as a Windows colour value
  friend bool operator==(const TUebersichtZelle&, const TUebersichtZelle&) = default;
};

struct TUebersichtSpalte {
  int32_t tag;
  int32_t std;
  friend bool operator==(const TUebersichtSpalte&, const TUebersichtSpalte&) = default;
};

struct TUebersichtZeile {
  std::string kopf;                      // the element's short name
  std::vector<TUebersichtZelle> zellen;  // one per column
};

struct TUebersicht {
  int32_t woche = 1;                       // the plan version shown
  std::vector<TUebersichtSpalte> spalten;  // day by day, each day's periods in order
  std::vector<TUebersichtZeile> zeilen;    // the elements in list order
};

// The overview of the current plan version with the options stored for it. The elements are
// those of the selection, or the whole list when nothing is selected; subjects and couplings
// always take the whole list.
TUebersicht UebersichtDaten(TUebersichtArt art, const TDruckAuftrag& auftrag);

}  // namespace orbato
