#include "ui/bausteine/mehrfachwahl.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QVBoxLayout>

#include "model/dokument/schule.h"
#include "model/elemente/fach.h"
#include "model/elemente/klasse.h"
#include "ui/bausteine/dialogknoepfe.h"
#include "ui/bausteine/zeilenhoehe.h"

namespace orbato {

std::vector<int> MehrfachWahl(QWidget* eltern, const QString& titel, const QStringList& texte) {
  QDialog dialog(eltern);
  dialog.setWindowTitle(titel);
  auto* layout = new QVBoxLayout(&dialog);
  auto* liste = TextListe();
  liste->setSelectionMode(QAbstractItemView::MultiSelection);
  liste->addItems(texte);
  layout->addWidget(liste);
  layout->addWidget(OkAbbrechen(&dialog));
  std::vector<int> gewaehlt;
  if (dialog.exec() != QDialog::Accepted) return gewaehlt;
  for (int i = 0; i < liste->count(); ++i) {
    if (liste->item(i)->isSelected()) gewaehlt.push_back(i);
  }
  return gewaehlt;
}

std::vector<TKlasse*> KlassenWaehlen(QWidget* eltern, const TSchule& schule) {
  return ElementeWaehlen(eltern, QStringLiteral("Klassen"), schule.fKlassenMenge);
}

std::vector<TFach*> FaecherWaehlen(QWidget* eltern, const TSchule& schule) {
  return ElementeWaehlen(eltern, QString::fromUtf8("Fächer"), schule.fFachMenge);
}

}  // namespace orbato
