#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orbato {

class TSchule;

// The limits the quality figures measure against.
struct TQualitaetsGrenzen {
  int32_t fLehrerLuecken = 2;  // a teacher with more gaps a week than this is counted
  int32_t fMaxTagesStunden = 6;
  int32_t fMinTagesStunden = 2;
};

// The element with the most gaps: the first in its list among equals.
struct TSchlechtester {
  std::string fKuerzel;  // Windows-1252, as the model keeps it
  int32_t fLuecken = 0;

  bool operator==(const TSchlechtester&) const = default;
};

// How good one plan version is, in figures a planner can compare between two runs.
//
// Everything is counted from the placements of that version on days 1..fMaxTageNeu. An element
// holds a lesson in a cell when one of its courses (for a room: a placement in it) is placed
// there; several placements in one cell are still one lesson of that element. So the courses of
// a coupling that a class shares, held together in one cell, are one lesson of the class, and a
// teacher's day is counted in cells as well (two lessons of his in one cell are a hard violation
// besides). Courses flagged fNichtVerplanen are left out of the hours due and placed only.
//
// - A gap is a period within 1..fPlnStd between an element's first and last lesson of a day that
//   is neither held nor blocked in the element's fSperrung.
// - A subject twice: a day on which a class's lessons of one subject do not form one run of
//   consecutive periods; a class's day counts once however many subjects are split.
// - Teachers' days above the maximum or below the minimum count teacher-days; a day without
//   lessons is never below the minimum.
// - An unlinked block: a course holding two consecutive periods of a day whose rating table does
//   not link the upper one with the next; the courses of a coupling count each.
// - Hard violations, each counted once: a cell in which a teacher or room holds more than one
//   placement, or a class placements of courses that are not all of one coupling; a placement in
//   a cell blocked for its course, teacher, a class or its room; a course with more lessons on a
//   day than fStdProTag (at least 1).
struct TPlanQualitaet {
  int32_t fStundenSoll = 0;
  int32_t fStundenGesetzt = 0;
  int32_t fKlassenLueckenSumme = 0;
  int32_t fKlassenMitLuecken = 0;
  std::optional<TSchlechtester> fSchlechtesteKlasse;  // none when no class has a gap
  int32_t fLehrerLueckenSumme = 0;
  int32_t fLehrerUeberGrenze = 0;
  std::optional<TSchlechtester> fSchlechtesterLehrer;
  int32_t fFachDoppeltTage = 0;
  int32_t fLehrerTageUeberMax = 0;
  int32_t fLehrerTageUnterMin = 0;
  int32_t fFreierTagGewuenscht = 0;
  int32_t fFreierTagErfuellt = 0;
  int32_t fUnverbundeneBloecke = 0;
  int32_t fHarteVerletzungen = 0;

  bool operator==(const TPlanQualitaet&) const = default;
};

// The figures of plan version `woche` (1..fMaxWocheNeu) of the school.
TPlanQualitaet PlanQualitaet(const TSchule& schule, int32_t woche,
                             const TQualitaetsGrenzen& grenzen = {});

// One teacher's share of the figures, counted as above: lessons are the cells he holds.
struct TLehrerQualitaet {
  std::string fKuerzel;  // Windows-1252
  int32_t fStunden = 0;
  int32_t fLuecken = 0;
  int32_t fTageUeberMax = 0;
  int32_t fTageUnterMin = 0;
  bool fFreierTagGewuenscht = false;
  bool fFreierTag = false;  // a day of the week without lessons, wished or not

  bool operator==(const TLehrerQualitaet&) const = default;
};

// One class's share. A late start is a day on which the class's first lesson comes after a
// period within 1..fPlnStd that is free and not blocked for it.
struct TKlassenQualitaet {
  std::string fKuerzel;
  int32_t fStunden = 0;
  int32_t fLuecken = 0;
  int32_t fFachDoppeltTage = 0;
  int32_t fSpaeteTage = 0;

  bool operator==(const TKlassenQualitaet&) const = default;
};

// The figures per element, in the order of the school's lists.
struct TElementQualitaet {
  std::vector<TLehrerQualitaet> fLehrer;
  std::vector<TKlassenQualitaet> fKlassen;
};

TElementQualitaet ElementQualitaet(const TSchule& schule, int32_t woche,
                                   const TQualitaetsGrenzen& grenzen = {});

}  // namespace orbato
