#include "ui/drucken/druckbefehle.h"

#include "ui/drucken/vertretungsdruckbefehle.h"

namespace orbato {

std::function<void()> DruckBefehl(TOrbatoPalette& palette, const QString& eintrag) {
  for (const auto gruppe :
       {PlanDruckBefehl, ListenDruckBefehl, UebersichtDruckBefehl, VertretungsDruckBefehl}) {
    if (auto befehl = gruppe(palette, eintrag)) return befehl;
  }
  return {};
}

}  // namespace orbato
