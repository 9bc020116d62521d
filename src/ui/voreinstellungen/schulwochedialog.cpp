#include "ui/voreinstellungen/schulwochedialog.h"

#include <QFormLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace orbato {

TSchulwocheDialog::TSchulwocheDialog(QWidget* eltern)
    : TVoreinstellungsDialog(QStringLiteral("Schulwoche"), eltern),
      fFuenf(new QRadioButton(QStringLiteral("&5 Tage, Montag bis Freitag"), this)),
      fSechs(new QRadioButton(QStringLiteral("&6 Tage, Montag bis Samstag"), this)) {
  auto* gruss = new QLabel(QStringLiteral("Willkommen bei WinOrbato. Wie sieht die Woche Ihrer "
                                          "Schule aus?\nDas lässt sich später unter "
                                          "„Bearbeiten“ / „Voreinstellungen“ / „Eckdaten“ ändern."),
                           this);
  gruss->setWordWrap(true);
  Formular()->addRow(gruss);
  fFuenf->setObjectName(QStringLiteral("fuenf"));
  fSechs->setObjectName(QStringLiteral("sechs"));
  fFuenf->setChecked(true);
  auto* tage = new QVBoxLayout;
  tage->addWidget(fFuenf);
  tage->addWidget(fSechs);
  Formular()->addRow(QStringLiteral("Schultage:"), tage);
  fStunden = Zahl(QStringLiteral("&Stunden am Tag:"), "stunden", 1, 16, 8);
}

int TSchulwocheDialog::Tage() const {
  return fSechs->isChecked() ? 6 : 5;
}

int TSchulwocheDialog::Stunden() const {
  return fStunden->value();
}

}  // namespace orbato
