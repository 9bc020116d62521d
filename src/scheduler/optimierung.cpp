#include "scheduler/optimierung.h"

#include <utility>

namespace orbato {

TOptimierung::TOptimierung(std::vector<TKurs*> kurse, const TOptimierEinstellungen& einstellungen)
    : fSekunden(einstellungen.fSekunden), fKurse(std::move(kurse)), fEinstellungen(einstellungen) {}

bool TOptimierung::Rechne() {
  fAbbruch = false;
  return false;
}

}  // namespace orbato
