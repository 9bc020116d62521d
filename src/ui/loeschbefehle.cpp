// The commands of the menu "Pläne" that take hours and rooms out of the plans.
#include "placement/raumbereinigung.h"
#include "ui/orbatopalette.h"
#include "ui/planloeschdialog.h"

namespace orbato {

void TOrbatoPalette::PlaeneLoeschen() {
  if (!fDokumentOffen) return;
  TPlLoeschForm dialog(*fSchule, this);
  dialog.exec();
}

void TOrbatoPalette::NichtBelegteRaeume() {
  if (fDokumentOffen) UnbelegteRaeumeLoeschen(*fSchule);
}

void TOrbatoPalette::SpaeterEingetrageneRaeume() {
  if (fDokumentOffen) ErgaenzteRaeumeLoeschen(*fSchule);
}

}  // namespace orbato
