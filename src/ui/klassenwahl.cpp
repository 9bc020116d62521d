#include "ui/klassenwahl.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QVBoxLayout>

#include "model/klasse.h"
#include "model/schule.h"
#include "platform/qttext.h"
#include "ui/dialogknoepfe.h"

namespace orbato {

std::vector<TKlasse*> KlassenWaehlen(QWidget* eltern) {
  QDialog dialog(eltern);
  dialog.setWindowTitle(QStringLiteral("Klassen"));
  auto* layout = new QVBoxLayout(&dialog);
  auto* liste = new QListWidget;
  liste->setSelectionMode(QAbstractItemView::MultiSelection);
  std::vector<TKlasse*> klassen;
  for (TKlasse* k : Schule().fKlassenMenge) {
    liste->addItem(QtText(k->fKuerzel.str()));
    klassen.push_back(k);
  }
  layout->addWidget(liste);
  layout->addWidget(OkAbbrechen(&dialog));
  std::vector<TKlasse*> gewaehlt;
  if (dialog.exec() != QDialog::Accepted) return gewaehlt;
  for (int i = 0; i < liste->count(); ++i) {
    if (liste->item(i)->isSelected()) gewaehlt.push_back(klassen[i]);
  }
  return gewaehlt;
}

}  // namespace orbato
