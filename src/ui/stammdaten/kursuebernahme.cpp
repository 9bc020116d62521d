#include "ui/stammdaten/kursuebernahme.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "model/dokument/schule.h"
#include "model/elemente/klasse.h"
#include "platform/qttext.h"
#include "ui/bausteine/dialogknoepfe.h"

namespace orbato {

TKursUebernahmeDialog::TKursUebernahmeDialog(const TSchule& schule, TKlasse* ziel, QWidget* eltern)
    : QDialog(eltern),
      fQuelle(new QComboBox),
      fOhneKopplungen(new QRadioButton(QStringLiteral("ohne Kopplungen"))),
      fKlasseErgaenzen(new QRadioButton(QString::fromUtf8("in Kopplungen Klasse ergänzen"))),
      fEigeneKurse(new QRadioButton(QStringLiteral("eigene Kurse statt Kopplungen"))),
      fKlassenraum(new QCheckBox(QString::fromUtf8("Klassenraum ergänzen"))) {
  setWindowTitle(QString::fromUtf8("Kurse übernehmen"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Eventuell vorhandene alte Kurse")));
  layout->addWidget(new QLabel(QString::fromUtf8("werden gelöscht.")));
  auto* form = new QFormLayout;
  for (TKlasse* k : schule.fKlassenMenge)
    fQuelle->addItem(QtText(k->fKuerzel.str()), QVariant::fromValue(static_cast<void*>(k)));
  // The class itself is no source; the first other one is offered.
  const int eigene = fQuelle->findData(QVariant::fromValue(static_cast<void*>(ziel)));
  fQuelle->setCurrentIndex(eigene == 0 && fQuelle->count() > 1 ? 1 : 0);
  form->addRow(QString::fromUtf8("Übernehmen von"), fQuelle);
  layout->addLayout(form);
  auto* optionen = new QGroupBox;
  auto* knoepfe = new QVBoxLayout(optionen);
  knoepfe->addWidget(fOhneKopplungen);
  knoepfe->addWidget(fKlasseErgaenzen);
  knoepfe->addWidget(fEigeneKurse);
  fOhneKopplungen->setChecked(true);
  layout->addWidget(optionen);
  layout->addWidget(fKlassenraum);
  layout->addWidget(OkAbbrechen(this));
}

TKlasse* TKursUebernahmeDialog::Quelle() const {
  return static_cast<TKlasse*>(fQuelle->currentData().value<void*>());
}

TUebernahme TKursUebernahmeDialog::Art() const {
  if (fKlasseErgaenzen->isChecked()) return TUebernahme::KlasseErgaenzen;
  if (fEigeneKurse->isChecked()) return TUebernahme::EigeneKurse;
  return TUebernahme::OhneKopplungen;
}

bool TKursUebernahmeDialog::Klassenraum() const {
  return fKlassenraum->isChecked();
}

}  // namespace orbato
