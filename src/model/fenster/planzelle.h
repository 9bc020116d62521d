#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/einstellungen/standard.h"
#include "model/elemente/kuerzelart.h"

namespace orbato {

class TKurs;
class TPlanElement;
class TSetzung;

// The current plan version as the plan windows show it; version 1 when the setting is out of
// range.
int32_t PlanVersion(const TStandard& standard);
int32_t PlanVersion();

// What an element's timetable holds in each cell of one version: the course whose placement
// occupies it (the first of the element's courses, in order; for a room only placements in that
// room) and the cell's mark, 'F' fixed, 'N' placed, ' ' empty. Indexed [day][period] from 1.
struct TPlanBelegung {
  std::array<std::array<TKurs*, kMaxStunden + 1>, kMaxTage + 1> fKurs{};
  std::array<std::array<char, kMaxStunden + 1>, kMaxTage + 1> fMarke{};
};
void PlanBelegungFuellen(const TPlanElement& element, int32_t woche, TPlanBelegung& belegung);

// The texts of a course's cell in the plan of an element of kind `art` (leh, kla, rau): in a
// teacher plan the coupling (while `kopplungZeigen` and the course is coupled) or else the first
// class, the subject and, with fMitRaum, the room; in a class plan the coupling or the teacher,
// the subject and the room; in a room plan the teacher, the coupling or class and the subject.
std::vector<std::string> PlanZellTexte(const TStandard& standard, TKuerzelArt art,
                                       const TKurs& kurs, const TSetzung& setzung,
                                       bool kopplungZeigen);
// The widths of those texts, from the plan settings.
std::vector<int32_t> PlanTeilBreiten(const TStandard& standard, TKuerzelArt art);

// How a cell is painted, apart from the marks of the window.
struct TZellBild {
  std::vector<std::string> fTexte;
  bool fKurs = false;      // a course's cell, painted in fFarbe
  bool fGesperrt = false;  // blocked: "*sperrung*" on grey
  int32_t fFarbe = 0xFFFFFF;
  bool fFett = false;
  bool fUnterstrichen = false;
};
// The cell of `kurs` (none: empty or blocked) in the element's plan of the current version.
TZellBild PlanZellBild(const TStandard& standard, const TPlanElement& element, const TKurs* kurs,
                       int32_t tag, int32_t std, bool kopplungZeigen);
// The texts of a cell joined as the settings lay them out: side by side or one above the other.
std::string PlanZellZeile(const TStandard& standard, const TZellBild& bild);

}  // namespace orbato
