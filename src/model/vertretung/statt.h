#pragma once

#include "model/basis/datum.h"

namespace orbato {

class TKurs;
class TLehrer;
class TSetzung;

// One swap offered by the "statt" menu: the teacher gives the substituted lesson instead of his
// lesson of the course at the placement on the date, which is dropped there.
struct TStatt {
  TLehrer* fLehrer = nullptr;
  TKurs* fKurs = nullptr;
  TSetzung* fSetzung = nullptr;
  TDatumZeit fDatum = 0.5;
};

}  // namespace orbato
