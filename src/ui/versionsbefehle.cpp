// The commands on plan versions as a whole: copying between them with the single-version mode,
// and the period labels of every version.

#include "ui/orbatopalette.h"
#include "ui/versionsdialog.h"
#include "ui/zeitendialog.h"

namespace orbato {

void TOrbatoPalette::PlanversionenAendern() {
  TVersionsDialog dialog(*fSchule, *fStandard, this);
  dialog.exec();
  // The version button shows the mode in its colour, and a copy can be undone.
  PaletteAktualisieren();
}

void TOrbatoPalette::ZeitenAendern() {
  TZeitenDialog dialog(*fSchule, *fStandard, this);
  dialog.exec();
}

}  // namespace orbato
