// Manual planning from the main window: "Werkzeuge" / "Manuell" over the active window's
// selection, and the journal's two commands of the edit menu while the window is open.

#include <QAction>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTableWidget>

#include "placement/manuell.h"
#include "ui/hauptfenster/orbatopalette.h"
#include "ui/plaene/manuellfenster.h"
#include "ui/plaene/planfenster.h"

namespace orbato {
namespace {

// The lessons in the selected cells of a plan window, day by day and period by period.
std::vector<TKurs*> PlanAuswahl(const TPlnForm& plan) {
  std::vector<TKurs*> kurse;
  const QTableWidget* raster = plan.Raster();
  const QItemSelectionModel* auswahl = raster->selectionModel();
  for (int spalte = 0; spalte < raster->columnCount(); ++spalte) {
    for (int zeile = 0; zeile < raster->rowCount(); ++zeile) {
      if (!auswahl->isSelected(raster->model()->index(zeile, spalte))) continue;
      if (TKurs* k = plan.ZellKurs(spalte + 1, zeile + 1)) kurse.push_back(k);
    }
  }
  return kurse;
}

}  // namespace

std::vector<TKurs*> TOrbatoPalette::ManuellAuswahl() const {
  const QMdiSubWindow* aktiv = fArbeitsflaeche->activeSubWindow();
  if (aktiv) {
    if (const auto* plan = qobject_cast<const TPlnForm*>(aktiv->widget()))
      return PlanAuswahl(*plan);
  }
  return AusgewaehlteKurse();
}

TManuellFenster* TOrbatoPalette::ManuellFenster() const {
  for (QMdiSubWindow* f : fArbeitsflaeche->subWindowList()) {
    if (auto* manuell = qobject_cast<TManuellFenster*>(f->widget())) return manuell;
  }
  return nullptr;
}

void TOrbatoPalette::ManuellRechnung() {
  ManuellRechnung(QGuiApplication::keyboardModifiers() & Qt::ControlModifier);
}

void TOrbatoPalette::ManuellRechnung(bool ohneKonflikte) {
  const std::vector<TKurs*> kurse = ManuellKurse(ManuellAuswahl());
  if (kurse.empty()) return;
  if (TManuellFenster* offen = ManuellFenster()) {
    fArbeitsflaeche->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(offen->parentWidget()));
    return;
  }
  auto* fenster = new TManuellFenster(*fSchule, *fStandard);
  fenster->Form().fBefehle = [this](bool an) {
    fWiderrufen->setEnabled(an);
    fProtokollLoeschen->setEnabled(an);
  };
  fenster->fBeimSchliessen = [this] { ProtokollBefehleZeigen(false); };
  ProtokollBefehleZeigen(true);
  fenster->Starten(kurse, ohneKonflikte);
  QMdiSubWindow* rahmen = FensterEinsetzen(fenster);
  // Blockings changed in other windows reach the obstacles when the window comes back.
  connect(rahmen, &QMdiSubWindow::aboutToActivate, fenster,
          [fenster] { fenster->FensterUpdate(); });
  PaletteAktualisieren();
}

void TOrbatoPalette::ProtokollBefehleZeigen(bool offen) {
  fWiderrufen->setText(offen ? QStringLiteral("Widerrufen Protokoll")
                             : QStringLiteral("&Widerrufen"));
  fProtokollLoeschen->setVisible(offen);
  fProtokollLoeschen->setEnabled(false);
  if (offen) {
    fWiderrufen->setEnabled(false);
    fWiederherstellen->setEnabled(false);
  } else {
    VerlaufBefehleSetzen();
  }
}

void TOrbatoPalette::ManuellWiderrufen() {
  if (TManuellFenster* fenster = ManuellFenster()) fenster->Form().WiderrufenProtokoll();
}

void TOrbatoPalette::ManuellProtokollLoeschen() {
  if (TManuellFenster* fenster = ManuellFenster()) fenster->Form().LoeschenProtokoll();
}

}  // namespace orbato
