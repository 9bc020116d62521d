#include "ui/hauptfenster/kennwortdialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/bausteine/dialogknoepfe.h"

namespace orbato {

TKennwortDialog::TKennwortDialog(QWidget* eltern) : QDialog(eltern), fFeld(new QLineEdit(this)) {
  setWindowTitle(QStringLiteral("Kennworteingabe"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Geben Sie bitte das Kennwort ein!"), this));
  fFeld->setEchoMode(QLineEdit::Password);
  fFeld->setMaxLength(20);
  layout->addWidget(fFeld);
  layout->addWidget(OkAbbrechen(this));
}

QString TKennwortDialog::Eingabe() const {
  return fFeld->text();
}

}  // namespace orbato
