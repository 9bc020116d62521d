#pragma once

#include <string>

#include "model/basis/datum.h"
#include "model/elemente/element.h"
#include "model/woche/wochbereich.h"

namespace orbato {

// An element with a timetable of its own: teachers, classes and rooms.
class TPlanElement : public TElement {
 public:
  // The blocking starts as the settings' default day mask for master data, in every version.
  TPlanElement();

  void FensterUpdate() override;

  // blocked := set in `bereich` and not occupied, for the current selection of versions.
  void KopiereSperrung(const TWochBereich& bereich);
  // The rubber band over the element's blocking grid: every cell of the rectangle that the
  // element does not occupy takes the opposite of the start cell's blocking, in the current
  // version (single-version mode) or in every version.
  void SperrungZiehen(int32_t vonTag, int32_t vonStd, int32_t bisTag, int32_t bisStd);
  // The courses occupying a cell; with a room only those whose placement there is in it.
  TListe<TKurs> KurseFinden(int32_t woche, int32_t tag, const TPlanElement* raum,
                            int32_t std) const;
  // 16 letters for the periods of one day of a version: F free, S blocked, E placed, G fixed,
  // K coupled, L coupled and fixed, U a free period between lessons.
  std::string SVZeile(int32_t woche, int32_t tag) const;
  // Free, unblocked periods between the first and last lesson of each day, current version.
  int32_t SpringStd() const;
  // Lessons still to place of the courses that are to be placed.
  int32_t RestStd() const;

  // Whether an absence of the element on that date covers the period.
  bool Abwesend(int32_t std, TDatumZeit datum) const;
  // The substitution hooks, called for every period an absence adds or clears; the substitution
  // records that follow belong to the teachers, classes and rooms.
  virtual void FehltNeuIn(int32_t, TDatumZeit) {}
  virtual void FehltNichtMehrIn(int32_t, TDatumZeit) {}

  TWochBereich fSperrung;   // set bit: blocked, nothing may be placed there
  TWochBereich fBesetzung;  // set bit: occupied by a placed lesson
  Fenster* fPlnFenster = nullptr;
  TDatumZeit fLetzteAenderung = 0;
};

}  // namespace orbato
