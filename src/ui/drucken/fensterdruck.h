#pragma once

#include <QImage>
#include <QString>
#include <functional>

#include "ui/drucken/druckausgabe.h"

class QWidget;

namespace orbato {

class Dialoge;
class TOrbatoPalette;

// The picture of a window as it is printed: what the screen shows, and the screen's resolution
// that gives the picture its size on paper.
struct TFensterBild {
  QString titel;
  QImage bild;      // with its device pixel ratio
  double dpi = 96;  // logical pixels per inch of the screen
};

// The window's contents as shown now.
TFensterBild FensterBild(QWidget& fenster, const QString& titel);

// Records the window's picture: its title on the first line of each page, below it the picture
// at its size on screen, made smaller to fit between the margins of 1 cm when it is wider; a
// picture taller than one page goes on over further pages, each page with its own strip.
void FensterAufzeichnen(TPrevPrinter& aufnahme, const TFensterBild& fenster);

// How "Fenster drucken..." hands over its recording: the printer dialog, then the printer.
using TFensterAusgabe =
    std::function<void(QWidget* eltern, Dialoge& dialoge, const TAufzeichnung& aufzeichnen)>;

// "Fenster drucken...": the active window of the work area, or a message when none is open.
void FensterDrucken(TOrbatoPalette& palette, const TFensterAusgabe& ausgabe);
void FensterDrucken(TOrbatoPalette& palette);

}  // namespace orbato
