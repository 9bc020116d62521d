#include "ui/kennwortdialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orbato {

TKennwortDialog::TKennwortDialog(QWidget* eltern) : QDialog(eltern), fFeld(new QLineEdit(this)) {
  setWindowTitle(QStringLiteral("Kennworteingabe"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Geben Sie bitte das Kennwort ein!"), this));
  fFeld->setEchoMode(QLineEdit::Password);
  fFeld->setMaxLength(20);
  layout->addWidget(fFeld);
  auto* knoepfe = new QDialogButtonBox(this);
  knoepfe->addButton(QStringLiteral("Ok"), QDialogButtonBox::AcceptRole)->setDefault(true);
  knoepfe->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
  connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(knoepfe);
}

QString TKennwortDialog::Eingabe() const {
  return fFeld->text();
}

}  // namespace orbato
