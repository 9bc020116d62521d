#pragma once

#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "model/basis/datum.h"

class QWidget;

namespace orbato {

class TSchule;
class TStandard;

// "als HTML-Datei" of the substitution print dialog for its date and remark lines: exactly one
// layout must be ticked (else "darf nur eine Druckeinstellung"); then the HTML settings dialog,
// whose "Abbrechen" stops; then, with day folders, a save dialog for the folder (starting in
// fHTMLVertPfad, proposing "Vertretung dd-mm-yyyy", its folder stored back), otherwise one save
// dialog for "vp.html" and, for separate files, one for "ep.html". A cancelled dialog writes
// nothing, respectively skips its file.
void VertretungAlsHTML(QWidget* eltern, TSchule& schule, TStandard& standard, TDatumZeit datum,
                       const std::vector<std::string>& bemerkung);
// "HTML 4": all four layouts must be ticked, else a warning; then every layout's file.
void VierHTMLDateien(QWidget* eltern, TSchule& schule, const TStandard& standard, TDatumZeit datum,
                     const std::vector<std::string>& bemerkung);

// The save dialog of these commands: title, proposed path and filter in, the chosen path out,
// empty when cancelled. A test puts its own answers here; empty means the system's dialog.
using TVertrHTMLDateiWahl = std::function<QString(QWidget* eltern, const QString& titel,
                                                  const QString& vorschlag, const QString& filter)>;
TVertrHTMLDateiWahl& VertrHTMLDateiWahl();

}  // namespace orbato
