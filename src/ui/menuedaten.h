#pragma once

#include "model/basis/menue.h"

class QMenu;
class QWidget;

namespace orbato {

// Shows a menu the core filled in a Qt menu, replacing what the menu held. Choosing an entry runs
// its command. A menu with column breaks is laid out in columns side by side, since a Qt menu
// knows no break of its own: each column a list of flat buttons.
void MenuFuellen(QMenu* menu, const TMenu& daten);
// The menu as a pop-up below the button that offers it, the chosen entry run; nothing for an
// empty menu.
void MenuUnterKnopf(const TMenu& daten, QWidget* knopf);

}  // namespace orbato
