#include "ui/druckbefehle.h"

namespace orbato {

std::function<void()> PlanDruckBefehl(TOrbatoPalette&, const QString&) {
  return {};
}

}  // namespace orbato
