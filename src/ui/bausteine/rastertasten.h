#pragma once

#include <QtCore/qnamespace.h>
#include <functional>

class QAbstractItemView;

namespace orbato {

// The keyboard's way through a window's grid, where the mouse works with tools: the arrow keys
// move the current cell (and with Shift the selection), as the table does by itself; Enter,
// Return and Space act on the current cell as the tool in hand does on a click; the menu key and
// Shift+F10 open the cell's menu; Escape lets go of what the move tool holds. Every handler gets
// the cell's row and column; a menu it opens at the mouse pointer opens below the cell.
struct TRasterTasten {
  std::function<void(int zeile, int spalte)> fAusloesen;
  // Empty: the same as fAusloesen.
  std::function<void(int zeile, int spalte)> fMenue;
  std::function<bool()> fLoslassen;  // whether there was something to let go of
  // Enter with Shift or Alt held: the click with those keys. Empty: such keys pass on.
  std::function<void(int zeile, int spalte, Qt::KeyboardModifiers tasten)> fMitTasten;
};

// Installs the keys on the grid for as long as it lives.
void RasterTastenAnschliessen(QAbstractItemView& raster, TRasterTasten tasten);

}  // namespace orbato
