#include "ui/voreinstellungen/kennwortaendern.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "model/einstellungen/standard.h"
#include "platform/qttext.h"

namespace orbato {
namespace {

QLineEdit* KennwortFeld(QWidget* eltern) {
  auto* feld = new QLineEdit(eltern);
  feld->setEchoMode(QLineEdit::Password);
  feld->setMaxLength(20);
  return feld;
}

}  // namespace

TKennwortAendernDialog::TKennwortAendernDialog(TStandard& standard, QWidget* eltern)
    : TVoreinstellungsDialog(QStringLiteral("Voreinstellung für Kennwort"), eltern),
      fStandard(standard),
      fNeu(KennwortFeld(this)),
      fWiederholung(KennwortFeld(this)) {
  Formular()->addRow(QStringLiteral("Neues Kennwort"), fNeu);
  Formular()->addRow(QStringLiteral("Wiederholung"), fWiederholung);
  Formular()->addRow(new QLabel(QStringLiteral("Ein leeres Kennwort hebt den Schutz auf."), this));
  const auto pruefe = [this] { Ok()->setEnabled(fNeu->text() == fWiederholung->text()); };
  connect(fNeu, &QLineEdit::textChanged, this, pruefe);
  connect(fWiederholung, &QLineEdit::textChanged, this, pruefe);
}

void TKennwortAendernDialog::accept() {
  if (fNeu->text() != fWiederholung->text()) return;
  fStandard.fKennwort = KennwortVerschluesseln(ModellText(fNeu->text()));
  QDialog::accept();
}

}  // namespace orbato
