#pragma once

#include <cstdint>
#include <string_view>

#include "model/basis/datum.h"
#include "model/basis/fixtext.h"

namespace orbato {

class TPlanElement;

// One absence of one teacher, class or room on one date, with the periods it covers.
class TFehl {
 public:
  void SetDatum(TDatumZeit datum) { fDatum = datum; }
  void SetZeit(uint32_t zeit) { fZeit = zeit; }
  void SetHilfe(uint32_t hilfe) { fHilfe = hilfe; }
  void SetElement(TPlanElement* element) { fElement = element; }
  // Only the first character counts; an empty text stays empty.
  void SetGrund(std::string_view grund) { fGrund = grund.substr(0, 1); }

  // Period 1 is the most significant of the 16 mask bits, period 16 bit 0.
  static uint32_t StundenBit(int32_t std) { return uint32_t{1} << (16 - std); }
  bool FehltIn(int32_t std) const { return std >= 1 && std <= 16 && (fZeit & StundenBit(std)); }

  TDatumZeit fDatum = 0.5;  // the date at noon
  uint32_t fZeit = 0;
  uint32_t fHilfe = 0;
  TPlanElement* fElement = nullptr;
  TGrundString fGrund = "-";
};

}  // namespace orbato
