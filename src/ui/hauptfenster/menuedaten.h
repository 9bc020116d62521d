#pragma once

#include <QPoint>
#include <functional>

#include "model/schnittstellen/menue.h"

class QMenu;
class QWidget;

namespace orbato {

// Shows a menu the core filled in a Qt menu, replacing what the menu held. Choosing an entry runs
// its command. A menu with column breaks is laid out in columns side by side, since a Qt menu
// knows no break of its own: each column a list of flat buttons.
void MenuFuellen(QMenu* menu, const TMenu& daten);
// The menu as a pop-up at `wo` (global), the chosen entry run; nothing for an empty menu. The
// pop-up runs its own event loop, in which anything may happen to the window that opened it: it
// belongs to no window, closes when `besitzer` goes, and the answer says whether `besitzer` still
// lives, so that the caller touches nothing of a window that closed meanwhile.
bool MenuZeigen(QWidget* besitzer, const TMenu& daten, const QPoint& wo);
// The same at the mouse pointer, or where a TMenuOrt alive now says.
bool MenuAmZeiger(QWidget* besitzer, const TMenu& daten);
// Where MenuAmZeiger opens a menu now (global).
QPoint MenuZeigerOrt();

// While it lives, the menus that open at the mouse pointer open at `wo` (global) instead: a menu
// the keyboard asked for belongs to the current cell, however far the pointer is from it.
class TMenuOrt {
 public:
  explicit TMenuOrt(const QPoint& wo);
  ~TMenuOrt();
  TMenuOrt(const TMenuOrt&) = delete;
  TMenuOrt& operator=(const TMenuOrt&) = delete;

 private:
  QPoint fWo;
  const QPoint* fVorher;
};
// Shows a menu the way its window does (tests replace that way); whether the window still lives.
bool MenuUeberstanden(QWidget* fenster, const std::function<void(TMenu&)>& zeigen, TMenu& menu);
// The menu below the button that offers it; the button is its owner.
bool MenuUnterKnopf(const TMenu& daten, QWidget* knopf);
// Whether one of these pop-up menus is open now: the program does not close under it, and main
// menu commands wait until it has closed.
bool ElementMenuOffen();

}  // namespace orbato
