#pragma once

#include <QRect>

class QWidget;

namespace orbato {

// The rectangle brought whole inside `flaeche`: on each axis it keeps its place and is cut at
// the area's end while 200 pixels (or all of it) remain there; otherwise it moves back, cut only
// where it is larger than the area.
QRect Hineingerueckt(const QRect& rahmen, const QRect& flaeche);

// Keeps a window whole on the free area of its screen (the screen without its task bars): smaller
// where it is larger than the area, moved in where it hangs over an edge. The frame the window
// manager adds is counted, as far as it is known before the window is shown.
void AufDenBildschirm(QWidget& fenster);

}  // namespace orbato
