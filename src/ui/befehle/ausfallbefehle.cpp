// The command of the menu "Vertretung" that opens the weekly cancellation report.
#include <QMdiArea>
#include <QMdiSubWindow>

#include "ui/hauptfenster/orbatopalette.h"
#include "ui/vertretung/ausfallfenster.h"

namespace orbato {

QMdiSubWindow* TOrbatoPalette::WoAusfall() {
  for (QMdiSubWindow* f : fArbeitsflaeche->subWindowList()) {
    if (qobject_cast<TWoAusfallForm*>(f->widget()) != nullptr) {
      fArbeitsflaeche->setActiveSubWindow(f);
      return f;
    }
  }
  auto* fenster = new TWoAusfallForm(*fSchule, *fStandard);
  fenster->fUebersicht = [this](TKuerzelArt art, TDatumZeit von, TDatumZeit bis) {
    VertretungsUebersicht(art, von, bis);
  };
  return FensterEinsetzen(fenster);
}

}  // namespace orbato
