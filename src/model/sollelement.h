#pragma once

#include <cstdint>

#include "model/planelement.h"
#include "model/wochenstunden.h"

namespace orbato {

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

  TWochenStunden fSoll;
};

}  // namespace orbato
