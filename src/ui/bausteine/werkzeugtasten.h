#pragma once

#include <QAbstractItemView>
#include <functional>

#include "model/dokument/schule.h"
#include "model/dokument/verlauf.h"
#include "ui/bausteine/rastertasten.h"

namespace orbato {

// The tools on the keyboard, for the windows whose grids hold lessons: the plan and overview
// windows. `TFenster` offers the mouse's handlers, each taking (column, row) from 1: Geklickt,
// Doppelgeklickt (with the keys held), Aufnehmen and Ablegen of the move tool, Haelt (whether it
// holds a lesson) and FallenLassen.
//
// Enter does on the current cell what the tool in hand does there with the mouse: the show and
// set tools open their click menu, the delete and fix tools act on the selected cells, the move
// tool picks the lesson up and, on the next Enter, puts it down (cut, then paste). The menu keys
// give the set tool's menu of the column (`setzMenu`), and Escape lets go of a lesson picked up.
// Shift+Enter and Alt+Enter put a lesson down as the mouse does with those keys held: Shift swaps
// the two periods for the whole school, Alt moves without asking the coupling.
// Each key is one step of the document's history, as each mouse action is.
template <class TFenster>
void WerkzeugTastenAnschliessen(QAbstractItemView& raster, TFenster& fenster, const TSchule& schule,
                                std::function<void(int spalte)> setzMenu) {
  const auto ausloesen = [&fenster, &schule](int spalte, int zeile) {
    switch (schule.fToolArt) {
      case SchiebTool:
        if (fenster.Haelt()) {
          fenster.Ablegen(spalte, zeile, false, false);
        } else {
          fenster.Aufnehmen(spalte, zeile);
        }
        break;
      case LoeschTool:
      case FixTool:
        fenster.Doppelgeklickt(spalte, zeile, Qt::NoModifier);
        break;
      default:
        fenster.Geklickt(spalte, zeile);
        break;
    }
  };
  RasterTastenAnschliessen(
      raster, {[ausloesen](int zeile, int spalte) {
                 TVerlaufSchritt schritt;
                 ausloesen(spalte + 1, zeile + 1);
               },
               [ausloesen, &schule, setzMenu](int zeile, int spalte) {
                 TVerlaufSchritt schritt;
                 if (schule.fToolArt == SetzTool) {
                   setzMenu(spalte + 1);
                 } else {
                   ausloesen(spalte + 1, zeile + 1);
                 }
               },
               [&fenster] { return fenster.FallenLassen(); },
               [ausloesen, &fenster, &schule](int zeile, int spalte, Qt::KeyboardModifiers tasten) {
                 TVerlaufSchritt schritt;
                 if (schule.fToolArt == SchiebTool && fenster.Haelt()) {
                   fenster.Ablegen(spalte + 1, zeile + 1, tasten & Qt::AltModifier,
                                   tasten & Qt::ShiftModifier);
                 } else {
                   ausloesen(spalte + 1, zeile + 1);
                 }
               }});
}

}  // namespace orbato
