// "Optimieren" over the whole school from the menu "Pläne", and its weights.
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>

#include "model/kurse/kurs.h"
#include "model/schnittstellen/dialoge.h"
#include "scheduler/optimierung.h"
#include "ui/hauptfenster/orbatopalette.h"
#include "ui/voreinstellungen/optimiergewichte.h"

namespace orbato {
namespace {

// Courses the scheduler leaves alone keep their lessons here too.
std::vector<TKurs*> OptimierbareKurse(TSchule& schule) {
  std::vector<TKurs*> kurse;
  for (TKurs* kurs : schule.fKursMenge) {
    if (!kurs->fNichtVerplanen) kurse.push_back(kurs);
  }
  return kurse;
}

// A message box as the program's messages look; its own, since "→" has no place in the
// single-byte texts of the core's messages.
void Bericht(QWidget* eltern, const QStringList& zeilen) {
  QMessageBox box(QMessageBox::Information, QStringLiteral("Optimieren"),
                  zeilen.join(QLatin1Char('\n')), QMessageBox::NoButton, eltern);
  box.setEscapeButton(box.addButton(QStringLiteral("Ok"), QMessageBox::AcceptRole));
  box.exec();
}

}  // namespace

void TOrbatoPalette::Optimieren() {
  if (!fDokumentOffen) return;
  const std::vector<TKurs*> kurse = OptimierbareKurse(*fSchule);
  if (!HatVerplanteStunden(kurse, fStandard->fAktuelleWoche)) {
    fDialoge.Nachricht("Optimieren", {"In der aktuellen Planversion sind keine Stunden verplant."},
                       TMeldungsArt::Information);
    return;
  }
  WiederherstellungSchreiben();
  TOptimierung optimierung(kurse, fStandard->fOptimieren);
  bool geaendert = false;
  {
    TFortschritt fortschritt(fDialoge, "Optimieren", kOptimierBalken);
    fDialoge.FortschrittText("Der Plan wird optimiert.");
    QElapsedTimer uhr;
    uhr.start();
    optimierung.fZwischendurch = [&](const TOptimierFortschritt& stand) {
      fDialoge.FortschrittInfo(
          OptimierZwischenstand(stand.fBeste).join(QLatin1Char('\n')).toStdString());
      fDialoge.FortschrittSetzen(
          OptimierBalken(stand, optimierung.fSekunden, static_cast<double>(uhr.elapsed()) / 1000));
      if (fDialoge.Abgebrochen()) optimierung.Abbrechen();
    };
    geaendert = fOptimierLauf(optimierung);
  }
  if (geaendert) {
    fSchule->SetDirty();
    fSchule->FensterAktualisieren();
  }
  Bericht(this, OptimierBericht(geaendert, optimierung.Vorher(), optimierung.Nachher()));
}

void TOrbatoPalette::OptimierGewichteAendern() {
  TOptGewichteForm(fSchule->Dialog(), *fStandard, this).exec();
}

}  // namespace orbato
