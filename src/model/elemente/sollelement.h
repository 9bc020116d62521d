#pragma once

#include <cstdint>
#include <string>

#include "model/elemente/planelement.h"
#include "model/woche/wochenstunden.h"

namespace orbato {

class TFach;

// A plan element with a target workload per plan version: the base of teachers and classes.
// Targets are in time units of 1/fDivisor hour.
class TSollElement : public TPlanElement {
 public:
  // Every version starts at the teacher default fLeSoll; a class overwrites it with fKlSoll.
  TSollElement();

  // Clamps into 0..fDivisor*200 (at most 200 hours), stores with the version convention and
  // marks the document changed.
  void SetSoll(int32_t woche, int32_t wert);
  // Version 0 sums the targets of all versions.
  int32_t GetSoll(int32_t woche) const { return fSoll.GetWochenStunde(woche); }
  // Applies a target to what the planner is looking at: the current version in single-version
  // mode, otherwise every version.
  void KopiereSoll(int32_t wert);

  // Lessons of the element's courses of that subject, current selection, unweighted.
  int32_t FachSumme(const TFach* fach) const;
  // Changes the target of the current selection by n time units.
  void AendereSoll(int32_t n);
  // The caption in a subject's pick menu: the workload of this subject, of the other courses and
  // the rest to the target, as hour values, then the short name. `art` says whether the element
  // is shown as a teacher (leh) or a class (kla).
  std::string KursPopZeile(const TFach* fach, TKuerzelArt art) const;
  // The same three numbers in words, for the entry's tooltip: the bracketed caption alone tells
  // a newcomer nothing.
  std::string KursPopHinweis(const TFach* fach, TKuerzelArt art) const;
  // Whether a lesson of one of the element's courses has no room.
  bool RaumFehltImPlan() const;

  TWochenStunden fSoll;

 protected:
  // Classes may count each course of a coupling; teachers always do.
  virtual bool KopDop() const { return true; }

 private:
  struct TPopWerte {
    int32_t dieses, andere, rest;
  };
  TPopWerte PopWerte(const TFach* fach, TKuerzelArt art) const;
};

// "[" a " ]-[" b " ]-[" c " ]  " and the short name, the numbers as hour values.
std::string PopZeile(int32_t a, int32_t b, int32_t c, const std::string& kuerzel);

}  // namespace orbato
