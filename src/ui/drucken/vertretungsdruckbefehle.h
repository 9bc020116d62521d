#pragma once

#include <QString>
#include <functional>

#include "model/basis/datum.h"

class QWidget;

namespace orbato {

class TOrbatoPalette;
class TSchule;
class TStandard;
class TVertrDruckDialog;

// "Drucke Vertretungsplan" for a date over the document, modal; it reads and writes the program's
// settings.
void VertretungsdruckZeigen(QWidget* eltern, TSchule& schule, TStandard& standard,
                            TDatumZeit datum);

// Puts the outputs of the document into a freshly built print dialog.
void VertretungsdruckAnschliessen(TVertrDruckDialog& dialog, QWidget* eltern, TSchule& schule,
                                  TStandard& standard);

// The date the substitution printout starts at: that of the active window "Vertretungen", else
// today by the document's clock.
TDatumZeit VertretungsdruckDatum(const TOrbatoPalette& palette);

// The command of an entry of "Datei" / "Drucken" / "Vertretung" by its caption: the print dialog of
// the substitution plan or of one of the printouts over a range of days; none for other captions.
std::function<void()> VertretungsDruckBefehl(TOrbatoPalette& palette, const QString& eintrag);

}  // namespace orbato
