#include "ui/druckbefehle.h"

namespace orbato {

std::function<void()> ListenDruckBefehl(TOrbatoPalette&, const QString&) {
  return {};
}

}  // namespace orbato
