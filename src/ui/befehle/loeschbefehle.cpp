// The commands of the menu "Pläne" that take hours and rooms out of the plans.
#include "placement/raumbereinigung.h"
#include "ui/hauptfenster/orbatopalette.h"
#include "ui/plaene/planloeschdialog.h"

namespace orbato {

void TOrbatoPalette::PlaeneLoeschen() {
  if (!fDokumentOffen) return;
  WiederherstellungSchreiben();
  TPlLoeschForm dialog(*fSchule, *fStandard, this);
  dialog.exec();
}

void TOrbatoPalette::NichtBelegteRaeume() {
  if (!fDokumentOffen) return;
  WiederherstellungSchreiben();
  UnbelegteRaeumeLoeschen(*fSchule);
}

void TOrbatoPalette::SpaeterEingetrageneRaeume() {
  if (!fDokumentOffen) return;
  WiederherstellungSchreiben();
  ErgaenzteRaeumeLoeschen(*fSchule);
}

}  // namespace orbato
