#pragma once

#include <cstdint>
#include <string_view>

#include "model/basis/datum.h"
#include "model/basis/fixtext.h"
#include "model/einstellungen/standard.h"

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

  // Period 1 is the most significant of the mask bits, the last period bit 0.
  static uint32_t StundenBit(int32_t std) { return uint32_t{1} << (kMaxStunden - std); }
  bool FehltIn(int32_t std) const {
    return std >= 1 && std <= kMaxStunden && (fZeit & StundenBit(std));
  }
  // Absent in that period of that weekday and plan version: the date's weekday and the version
  // the calendar gives its week.
  bool FehltAn(int32_t woche, int32_t tag, int32_t std) const;
  // The first and the last absent period; only for a non-empty mask.
  int32_t FehltVon() const;
  int32_t FehltBis() const;
  void ChangeZeit(int32_t std) { fZeit ^= StundenBit(std); }
  // Applies the new mask the caller put into fHilfe: the two masks change places, and the element
  // hears of every period that changed, in ascending order.
  void AendereVertretung();

  TDatumZeit fDatum = 0.5;  // the date at noon
  uint32_t fZeit = 0;
  uint32_t fHilfe = 0;
  TPlanElement* fElement = nullptr;
  TGrundString fGrund = "-";
};

}  // namespace orbato
