#include "ui/voreinstellungen/voreinstellungsdialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/bausteine/dialogknoepfe.h"

namespace orbato {

TVoreinstellungsDialog::TVoreinstellungsDialog(const QString& titel, QWidget* eltern)
    : QDialog(eltern), fFormular(new QFormLayout) {
  setWindowTitle(titel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fFormular);
  fKnoepfe = OkAbbrechen(this);
  layout->addWidget(fKnoepfe);
}

QPushButton* TVoreinstellungsDialog::Ok() const {
  return OkKnopf(fKnoepfe);
}

QSpinBox* TVoreinstellungsDialog::Zahl(const QString& beschriftung, const char* name, int von,
                                       int bis, int wert) {
  auto* feld = new QSpinBox(this);
  feld->setObjectName(QString::fromLatin1(name));
  feld->setRange(von, bis);
  feld->setValue(wert);
  fFormular->addRow(beschriftung, feld);
  return feld;
}

QCheckBox* TVoreinstellungsDialog::Schaltfeld(const QString& text, const char* name, bool wert) {
  auto* feld = new QCheckBox(text, this);
  feld->setObjectName(QString::fromLatin1(name));
  feld->setChecked(wert);
  fFormular->addRow(feld);
  return feld;
}

}  // namespace orbato
