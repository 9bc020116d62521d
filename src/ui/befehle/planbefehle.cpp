// The commands of the menu "Pläne".
#include "scheduler/komprimieren.h"
#include "ui/hauptfenster/orbatopalette.h"
#include "ui/plaene/komprimierfenster.h"

namespace orbato {

// The run redraws every open window once at its end.
void TOrbatoPalette::Komprimieren() {
  if (!fDokumentOffen || !KompWarnung(fDialoge)) return;
  WiederherstellungSchreiben();
  TKompForm fenster(*fSchule, *fStandard, this);
  fenster.exec();
}

}  // namespace orbato
