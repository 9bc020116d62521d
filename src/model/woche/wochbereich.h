#pragma once

#include <array>
#include <cstdint>

#include "model/basis/grenzen.h"
#include "model/woche/woelem.h"

namespace orbato {

// A week range: one day-by-period grid per plan version, version n (1-based) being element n.
// The grids live in a fixed array so that a cell test or a change never allocates; only the first
// ZahlWochen() of them are in use and every operation leaves the others alone.
//
// Version arguments follow the system's convention: n >= 1 that version, 0 all versions
// 1..fMaxWocheNeu, -1 the current selection. The active extents are read from Standard() at every
// call, because the plan-version operations change them while ranges exist.
class TWochBereich {
 public:
  // fMaxWocheNeu empty versions.
  TWochBereich();

  // Shrinking discards the versions at the end; growing appends empty versions.
  void SetWochenZahl(int32_t wochen);
  int32_t ZahlWochen() const { return fZahl; }

  // The grid of one version; nullptr for a number outside 1..ZahlWochen().
  TWoElem* GetWoche(int32_t woche);
  const TWoElem* GetWoche(int32_t woche) const;
  // Copies days 1..7 of `elem` into one version.
  void SetWoche(int32_t woche, const TWoElem& elem);

  // The whole word of one day of one version (woche >= 1).
  void SetWocheTag(int32_t woche, int32_t tag, int32_t wert);
  int32_t GetWocheTag(int32_t woche, int32_t tag) const;

  // Sets or clears one cell. Wildcards: woche 0 (or -1 resolving to 0) all versions, tag 0 days
  // 1..7, std 0 periods 1..16; any combination, so (0, 0, false, 0) clears the whole range.
  void SetWocheTagStd(int32_t woche, int32_t tag, bool wert, int32_t std);
  // Whether a cell is set; woche 0 asks whether it is set in any version.
  bool GetWocheTagStd(int32_t woche, int32_t tag, int32_t std) const;

  // Clears in `theSperrung` every cell that is set here (periods 1..16 of days 1..7).
  void ReinigeSperrung(TWochBereich& theSperrung) const;
  // this := this OR theBereich, cell by cell.
  void OrBereich(const TWochBereich& theBereich);
  // this := this AND (aBereich OR bBereich), cell by cell.
  void AndOrBereich(const TWochBereich& aBereich, const TWochBereich& bBereich);
  // Whether every version equals version 1 on the active days, comparing whole day words.
  bool GleichBereich() const;

 private:
  // The versions a bulk operation or wildcard runs over: 1..fMaxWocheNeu, never beyond the
  // versions in use.
  int32_t AktiveWochen() const;
  // The word of one day of one version, 0 for a version not in use; lets the bulk operations
  // treat a shorter partner range as empty, as cell-by-cell reading would.
  uint32_t Wort(int32_t woche, int32_t tag) const;
  void SetzeWort(int32_t woche, int32_t tag, uint32_t wort);
  void SetzeBits(int32_t woche, int32_t tag, bool wert, uint32_t maske);

  std::array<TWoElem, kMaxWochen> fWochen{};
  int32_t fZahl = 0;
};

// The blocking an element or course takes from a template: a cell is blocked when the template
// has it and `besetzung` does not, for the versions of the current selection.
void UebernimmSperrung(TWochBereich& sperrung, const TWochBereich& vorlage,
                       const TWochBereich& besetzung);

// The rubber band over a blocking grid, from the cell where it started to the cell where it
// ended: every cell of the rectangle that `besetzung` leaves free takes the opposite of the start
// cell's blocking in the current version, for the versions of the current selection. Occupied
// cells keep their blocking, so that no placed lesson ends up in a blocked cell.
void SperrungZiehen(TWochBereich& sperrung, const TWochBereich& besetzung, int32_t vonTag,
                    int32_t vonStd, int32_t bisTag, int32_t bisStd);

}  // namespace orbato
