#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "model/einstellungen/standard.h"

namespace orbato {

class TKurs;
class TNachbesserModell;
class TOptimierKosten;

// The figures a run of "Optimieren" shows while it works and when it ends, of the plan it
// started from and of the best plan found so far.
struct TOptimierZahlen {
  int64_t fKosten = 0;
  int32_t fKlassenLuecken = 0;
  int32_t fLehrerLuecken = 0;
  int32_t fSchlechtesterLehrer = 0;  // the most gaps of one teacher
  int32_t fSpaeteBeginne = 0;        // days a full-time class starts after its first free period
  int32_t fFachDoppelt = 0;          // class days with one subject twice

  bool operator==(const TOptimierZahlen&) const = default;
};

// Where a run stands: the steps done out of the most it takes, and the figures.
struct TOptimierFortschritt {
  int64_t fSchritte = 0;
  int64_t fSchritteMax = 0;
  TOptimierZahlen fBeste;
};

// "Optimieren": a local search over the unfixed lessons of the current plan version that lowers
// a weighted cost of what teachers and classes live with (TOptimierEinstellungen): gaps, late
// starts, a subject twice a day, days too long or too short, free-day wishes, and the rating
// tables' ranks of the cells.
//
// It keeps every rule the scheduler keeps: no lesson in a blocked cell or outside the shown week,
// fixed lessons and the lessons of other courses where they are, no teacher, class or room twice
// in a cell, the courses of a coupling together in one cell, rooms from the course's list (when
// rooms matter), at most fStdProTag hours of a course a day and those in one block across the
// linked cells of its rating table. It never leaves an hour open that was placed, and never makes
// a subject twice on a class's day where it was not so before. The run repeats exactly for the
// same plan, settings and seed unless it is stopped or runs out of time.
class TOptimierung {
 public:
  // `kurse`: the courses whose unfixed lessons may move.
  TOptimierung(std::vector<TKurs*> kurse, const TOptimierEinstellungen& einstellungen);

  // Searches in the current version and writes the best plan back through the placement
  // operations, as one step of the history. True when the plan changed.
  bool Rechne();
  // The search stops after its current step and the best plan found is kept.
  void Abbrechen() { fAbbruch = true; }
  bool Abgebrochen() const { return fAbbruch; }

  const TOptimierZahlen& Vorher() const { return fVorher; }
  const TOptimierZahlen& Nachher() const { return fNachher; }

  // Called now and then (about ten times a second); the window shows the figures, processes
  // pending input and may call Abbrechen.
  std::function<void(const TOptimierFortschritt&)> fZwischendurch;
  uint32_t fSaat = 20261210;
  // The longest run in seconds; the search also ends after fHoechstSchritte steps, or after
  // fStillstand steps without a better plan (0: 2000 per movable lesson, at least 100 000 and at
  // most 3 000 000).
  double fSekunden;
  int64_t fHoechstSchritte = 50'000'000;
  int64_t fStillstand = 0;

 private:
  void Suche(TNachbesserModell& modell, TOptimierKosten& kosten, int32_t tage);

  std::vector<TKurs*> fKurse;
  TOptimierEinstellungen fEinstellungen;
  TOptimierZahlen fVorher;
  TOptimierZahlen fNachher;
  bool fAbbruch = false;
};

}  // namespace orbato
