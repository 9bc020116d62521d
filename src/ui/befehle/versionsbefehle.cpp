// The commands on plan versions as a whole: copying between them with the single-version mode,
// the period labels of every version, the period times, and the calendar of which version holds
// in which week.

#include "ui/hauptfenster/orbatopalette.h"
#include "ui/plaene/kalenderdialog.h"
#include "ui/voreinstellungen/stundenzeitendialog.h"
#include "ui/voreinstellungen/versionsdialog.h"
#include "ui/voreinstellungen/zeitendialog.h"

namespace orbato {

void TOrbatoPalette::PlanversionenAendern() {
  WiederherstellungSchreiben();
  TVersionsDialog dialog(*fSchule, *fStandard, this);
  dialog.exec();
  // The version button shows the mode in its colour, and a copy can be undone.
  PaletteAktualisieren();
}

void TOrbatoPalette::ZeitenAendern() {
  TZeitenDialog dialog(*fSchule, *fStandard, this);
  dialog.exec();
}

void TOrbatoPalette::StundenzeitenAendern() {
  TStundenzeitenDialog dialog(*fStandard, this);
  dialog.exec();
}

void TOrbatoPalette::KalenderAendern() {
  TKalenderDialog dialog(*fSchule, *fStandard, this);
  // Substitutions may have gone with the calendar.
  if (dialog.exec() == QDialog::Accepted) fSchule->AlleFensterUpdate();
}

}  // namespace orbato
