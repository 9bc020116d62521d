#pragma once

#include "model/elemente/element.h"

namespace orbato {

class TKopplung : public TElement {
 public:
  TKuerzelArt Art() const override { return kop; }

  // The course with the most lessons (times the factor with mitFaktor); the earlier one on a tie.
  TKurs* GroessterKopplungsKurs(int32_t woche, bool mitFaktor) const;
  // Every course that is to be placed has all its lessons placed.
  bool IstVerplant() const override;
  // Whether two or more courses of the coupling have this teacher.
  bool LehrerDoppelt(const TElement* lehrer) const;
  TKurs* NeuerKurs();
  // Warns "Lehrer doppelt in Kopplung" when the teacher has two or more of its courses.
  void LeKopDoppeltTest(const TElement* lehrer) const;
};

}  // namespace orbato
