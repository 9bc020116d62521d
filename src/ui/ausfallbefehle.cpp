// The command of the menu "Vertretung" that opens the weekly cancellation report.
#include <QMdiArea>
#include <QMdiSubWindow>

#include "ui/ausfallfenster.h"
#include "ui/orbatopalette.h"

namespace orbato {

QMdiSubWindow* TOrbatoPalette::WoAusfall() {
  for (QMdiSubWindow* f : fArbeitsflaeche->subWindowList()) {
    if (qobject_cast<TWoAusfallForm*>(f->widget()) != nullptr) {
      fArbeitsflaeche->setActiveSubWindow(f);
      return f;
    }
  }
  return FensterEinsetzen(new TWoAusfallForm(*fSchule));
}

}  // namespace orbato
