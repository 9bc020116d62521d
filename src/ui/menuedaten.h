#pragma once

#include "model/basis/menue.h"

class QMenu;

namespace orbato {

// Shows a menu the core filled in a Qt menu, replacing what the menu held. Choosing an entry runs
// its command. A menu with column breaks is laid out in columns side by side, since a Qt menu
// knows no break of its own: each column a list of flat buttons.
void MenuFuellen(QMenu* menu, const TMenu& daten);

}  // namespace orbato
