#include "ui/druckbefehle.h"

namespace orbato {

std::function<void()> UebersichtDruckBefehl(TOrbatoPalette&, const QString&) {
  return {};
}

}  // namespace orbato
