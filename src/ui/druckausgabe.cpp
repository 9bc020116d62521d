#include "ui/druckausgabe.h"

#include <QPrintDialog>
#include <QPrinter>

#include "print/prevprinter.h"

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
  (void)eltern;
  TPrevPrinter aufnahme(dialoge, DruckerMass(AktuellerDrucker()));
  aufzeichnen(aufnahme);
}

}  // namespace orbato
