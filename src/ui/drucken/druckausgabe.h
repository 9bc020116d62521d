#pragma once

#include <functional>

class QPrinter;
class QWidget;

namespace orbato {

class Dialoge;
class TPrevPrinter;

// Records a printout's pages into the recorder (NewJob … DonePrinting).
using TAufzeichnung = std::function<void(TPrevPrinter&)>;

// The printer of the program, set up by "Papierformat..." and the printer dialogs; one for the
// whole run.
QPrinter& AktuellerDrucker();

// A print dialog's "Ok": the printer dialog; once confirmed, the pages are recorded for that
// printer and printed. A cancelled printer dialog records nothing. True when pages were printed.
bool DruckenNachDialog(QWidget* eltern, Dialoge& dialoge, const TAufzeichnung& aufzeichnen);

// "Ansehen": the pages recorded for the current printer, in the preview window (modal).
void DruckAnsehen(QWidget* eltern, Dialoge& dialoge, const TAufzeichnung& aufzeichnen);

// "Papierformat...": the page set-up of the program's printer.
void PapierformatEinrichten(QWidget* eltern);

}  // namespace orbato
