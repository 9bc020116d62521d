#pragma once

class QSpinBox;
class QWidget;

namespace orbato {

class TSchriftFeld;
struct TSchrift;

// The "Ausdruck" group of a print dialog: the font button and the margin in cm, each with its
// caption ("Schrift", "Rand [cm]"); the dialog reads both when it takes its settings over.
struct TDruckbild {
  QWidget* gruppe;
  TSchriftFeld* schrift;
  QSpinBox* rand;
};
TDruckbild DruckbildGruppe(const TSchrift& schrift, int rand, QWidget* eltern);

}  // namespace orbato
