#include "placement/wochenspanne.h"

#include "model/einstellungen/standard.h"

namespace orbato {

TWochenSpanne Wochenspanne(const TStandard& standard) {
  return {standard.ErsteAuswahlWoche(), standard.LetzteAuswahlWoche()};
}

TWochenSpanne Wochenspanne() {
  return Wochenspanne(Standard());
}

TWochenSpanne Wochen(int32_t woche) {
  if (woche == -1) return Wochenspanne();
  if (woche == 0) return {1, Standard().WochenZahl()};
  return {woche, woche};
}

}  // namespace orbato
