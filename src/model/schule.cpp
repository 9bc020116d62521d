#include "model/schule.h"

namespace orbato {
namespace {
TSchule* gSchule = nullptr;
}

TSchule& Schule() {
  static TSchule vorgabe;
  return gSchule ? *gSchule : vorgabe;
}

TSchuleEinsetzen::TSchuleEinsetzen(TSchule& schule) : fVorher(gSchule) {
  gSchule = &schule;
}
TSchuleEinsetzen::~TSchuleEinsetzen() {
  gSchule = fVorher;
}

}  // namespace orbato
