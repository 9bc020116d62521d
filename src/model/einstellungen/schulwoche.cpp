#include "model/einstellungen/schulwoche.h"

#include <algorithm>

#include "model/einstellungen/standard.h"

namespace orbato {

void SchulwocheEinrichten(TStandard& standard, int32_t tage, int32_t stunden) {
  tage = std::clamp(tage, 5, 7);
  stunden = std::clamp(stunden, 1, kMaxStunden);
  standard.fMaxTageNeu = tage;
  standard.fPlnStd = stunden;
  for (TDruckEinstellung* druck :
       {&standard.fLPlnDruck, &standard.fKPlnDruck, &standard.fRPlnDruck, &standard.fKoKlPlnDruck,
        &standard.fKoLePlnDruck, &standard.fLUebDruck, &standard.fKUebDruck, &standard.fRUebDruck,
        &standard.fKoUebDruck}) {
    druck->VonTag = 1;
    druck->BisTag = tage;
    druck->VonStd = 1;
    druck->BisStd = stunden;
    druck->Bem = "";
  }
}

}  // namespace orbato
