#pragma once

#include <cstdint>

namespace orbato {

class TKurs;
class TPlanElement;

// What a plan window keeps per cell beside the course it shows: 'N' normal, 'F' fixed, 'R'
// marked for the next command, ' ' empty. The plan windows implement it; the placement code reads
// the marks and tells the window what a cell now shows.
class TPlanZellen {
 public:
  virtual ~TPlanZellen() = default;
  virtual char ZellMarke(int32_t tag, int32_t std) const = 0;
  // The cell shows `kurs` (none: empty) with the mark.
  virtual void ZelleZeigen(int32_t tag, int32_t std, TKurs* kurs, char marke) = 0;
  // The version the window shows.
  virtual int32_t ZellWoche() const = 0;
};

// The cells of the element's open plan window; none without one.
TPlanZellen* PlanZellen(const TPlanElement& element);

}  // namespace orbato
