// The automatic scheduler's commands: "Werkzeuge" / "Automatik" over the active window's
// selection, and the editor of its rating tables.

#include <QMdiArea>
#include <QMdiSubWindow>

#include "ui/hauptfenster/orbatopalette.h"
#include "ui/plaene/automatikfenster.h"
#include "ui/plaene/automatikstartdialog.h"
#include "ui/stammdaten/deputatfenster.h"
#include "ui/stammdaten/uvtabfenster.h"
#include "ui/voreinstellungen/automatikvoreinstellung.h"

namespace orbato {

std::vector<TKurs*> TOrbatoPalette::AusgewaehlteKurse() const {
  const QMdiSubWindow* aktiv = fArbeitsflaeche->activeSubWindow();
  if (aktiv == nullptr) return {};
  if (const auto* dep = qobject_cast<const TDepForm*>(aktiv->widget())) return dep->Auswahl();
  if (const auto* matrix = qobject_cast<const TUVTabForm*>(aktiv->widget()))
    return matrix->AusgewaehlteKurse();
  return {};
}

void TOrbatoPalette::AutomatikRechnung() {
  const std::vector<TKurs*> auswahl = AusgewaehlteKurse();
  if (auswahl.empty()) {
    fDialoge.Nachricht("Automatisches Rechnen",
                       {"Es sind keine Kurse ausgew\xE4hlt.",
                        "W\xE4hlen Sie die Kurse, deren Stunden gesetzt werden sollen,",
                        "in einem Deputat, in \"alle Kurse\" oder in einer UV-Tabelle aus."},
                       TMeldungsArt::Information);
    return;
  }
  {
    TAutoStartForm start(fSchule->Dialog(), *fStandard, this);
    if (start.exec() != QDialog::Accepted) return;
  }
  WiederherstellungSchreiben();
  TAutomatForm automatik(*fSchule, *fStandard, auswahl, this);
  automatik.exec();
  PaletteAktualisieren();
}

void TOrbatoPalette::AutomatikAendern() {
  TAuTabForm dialog(*fStandard, this);
  dialog.exec();
}

}  // namespace orbato
