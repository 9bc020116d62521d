#include "model/element.h"

#include "model/schule.h"

namespace orbato {

void TElement::Geaendert() {
  Schule().SetDirty();
}

}  // namespace orbato
