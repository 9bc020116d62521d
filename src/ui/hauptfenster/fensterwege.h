#pragma once

#include <functional>

#include "model/basis/liste.h"
#include "model/dokument/schule.h"

class QWidget;

namespace orbato {

class TElement;
class TKurs;
class TStandard;

// How one document window brings up another: the main window installs the ways when it is
// built. Without it (tests that build single windows) a new window is shown on its own.
struct TFensterWege {
  // Puts a new document window into the workspace and shows it.
  std::function<void(QWidget* fenster)> fZeigen;
  // The element's window of that kind.
  std::function<void(TElement* element, TFensterArt art)> fElement;
};

void FensterWegeSetzen(TFensterWege wege);
// A document window closes with the workspace frame around it, or alone when it has none.
void RahmenSchliessen(QWidget* fenster);
// Brings the frame around a document window (or the window itself) in front of the others.
void RahmenNachVorn(QWidget* fenster);
// Shows a new document window.
void DokumentFensterZeigen(QWidget* fenster);
// The place of the frame around a document window (or of the window itself) in the workspace,
// for the windows that open where the planner last left them.
void RahmenVersetzen(QWidget* fenster, int links, int oben);
void RahmenPlatz(const QWidget* fenster, int& links, int& oben);
// The element's plan window.
void PlanFensterZeigen(TElement* element);
// Where a lesson is held: the plans of its room in that cell, of the course's first class and of
// its teacher.
void KursPlaeneZeigen(const TKurs& kurs, int32_t tag, int32_t std);
// The element's master-data (GFenster), teaching-load (DFenster) or plan window (PFenster).
void ElementFensterZeigen(TElement* element, TFensterArt art);
// The course window with the course, opened from the course list `vater`.
void KursFensterZeigen(TSchule& schule, TStandard& standard, TKurs* kurs, TListe<TKurs>* vater);
// The show tool's double click on a lesson in a plan: with `plaene` (Ctrl) the plans that hold
// it, else the course window.
void LektionZeigen(TSchule& schule, TStandard& standard, TKurs& kurs, TListe<TKurs>* vater,
                   int32_t tag, int32_t std, bool plaene);

}  // namespace orbato
