#include "ui/drucken/druckausgabe.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

#include "print/prevprinter.h"
#include "ui/drucken/vorschaufenster.h"

namespace orbato {

QPrinter& AktuellerDrucker() {
  static QPrinter drucker(QPrinter::HighResolution);
  return drucker;
}

bool DruckenNachDialog(QWidget* eltern, Dialoge& dialoge, const TAufzeichnung& aufzeichnen) {
  QPrinter& drucker = AktuellerDrucker();
  QPrintDialog dialog(&drucker, eltern);
  if (dialog.exec() != QDialog::Accepted) return false;
  TPrevPrinter aufnahme(dialoge, DruckerMass(drucker));
  aufzeichnen(aufnahme);
  drucker.setDocName(aufnahme.Title());
  return aufnahme.PrintIt(drucker);
}

void DruckAnsehen(QWidget* eltern, Dialoge& dialoge, const TAufzeichnung& aufzeichnen) {
  TPrevPrinter aufnahme(dialoge, DruckerMass(AktuellerDrucker()));
  aufzeichnen(aufnahme);
  TVorschauFenster vorschau(aufnahme, dialoge, eltern);
  vorschau.exec();
}

void PapierformatEinrichten(QWidget* eltern) {
  QPageSetupDialog dialog(&AktuellerDrucker(), eltern);
  dialog.setWindowTitle(QStringLiteral("Papierformat"));
  dialog.exec();
}

}  // namespace orbato
