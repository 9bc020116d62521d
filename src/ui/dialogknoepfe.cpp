#include "ui/dialogknoepfe.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace orbato {

QDialogButtonBox* OkAbbrechen(QDialog* dialog) {
  auto* knoepfe = new QDialogButtonBox(dialog);
  knoepfe->addButton(QStringLiteral("Ok"), QDialogButtonBox::AcceptRole)->setDefault(true);
  knoepfe->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
  QObject::connect(knoepfe, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(knoepfe, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return knoepfe;
}

QPushButton* OkKnopf(QDialogButtonBox* knoepfe) {
  return qobject_cast<QPushButton*>(knoepfe->buttons().value(0));
}

}  // namespace orbato
