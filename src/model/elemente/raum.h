#pragma once

#include "model/elemente/planelement.h"

namespace orbato {

class TRaum : public TPlanElement {
 public:
  TKuerzelArt Art() const override { return rau; }
  // Only placements in this room count.
  TKurs* FindeKurs(int32_t woche, int32_t tag, int32_t std) const override;
  TKurs* NeuerKurs();
  void FehltNeuIn(int32_t std, TDatumZeit datum) override;
  void FehltNichtMehrIn(int32_t std, TDatumZeit datum) override;
};

}  // namespace orbato
