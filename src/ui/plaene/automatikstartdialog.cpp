#include "ui/plaene/automatikstartdialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/voreinstellungen/optimiergewichte.h"

namespace orbato {
namespace {

QCheckBox* Schalter(QGroupBox* gruppe, const QString& text, const char* name, bool wert) {
  auto* feld = new QCheckBox(text, gruppe);
  feld->setObjectName(QString::fromLatin1(name));
  feld->setChecked(wert);
  gruppe->layout()->addWidget(feld);
  return feld;
}

}  // namespace

TAutoStartForm::TAutoStartForm(Dialoge& dialoge, TStandard& standard, QWidget* eltern)
    : TVoreinstellungsDialog(QStringLiteral("Automatisches Rechnen"), eltern),
      fDialoge(dialoge),
      fStandard(standard) {
  fStd =
      Zahl(QStringLiteral("Wieviele Stunden rechnen,  bevor die\nReihenfolge neu ermittelt wird?"),
           "auStd", 1, 5000, standard.fAuStd);
  fProzent = Zahl(QStringLiteral("Wieviel Prozent der Stunden rechnen?"), "auProzent", 5, 100,
                  standard.fAuProzent);
  auto* gruppe = new QGroupBox(this);
  auto* spalte = new QVBoxLayout(gruppe);
  spalte->addWidget(
      new QLabel(QStringLiteral("Falls nicht anders möglich,\nsetze Stunden auch, wenn:"), gruppe));
  fEinzelUnwichtig = Schalter(
      gruppe, QStringLiteral("die Zahl der Einfach- bzw. Mehrfach-\nstunden dann nicht stimmt."),
      "auEinzelUnwichtig", standard.fAuEinzelUnwichtig);
  fRaumUnwichtig = Schalter(gruppe, QStringLiteral("kein passender Raum gefunden wird."),
                            "auRaumUnwichtig", standard.fAuRaumUnwichtig);
  fFreiUnwichtig = Schalter(gruppe, QStringLiteral("freie Tage nicht immer eingehalten\nwerden."),
                            "auFreiUnwichtig", standard.fAuFreiUnwichtig);
  Formular()->addRow(gruppe);
  // The weights of "Optimieren", which polishes what the run placed, sit beside its settings;
  // they are stored by their own dialog's "Ok".
  QPushButton* gewichte =
      Knoepfe()->addButton(QStringLiteral("Gewichte..."), QDialogButtonBox::ActionRole);
  gewichte->setAutoDefault(false);
  connect(gewichte, &QPushButton::clicked, this,
          [this] { TOptGewichteForm(fDialoge, fStandard, this).exec(); });
}

void TAutoStartForm::accept() {
  fStandard.fAuStd = fStd->value();
  fStandard.fAuProzent = fProzent->value();
  fStandard.fAuEinzelUnwichtig = fEinzelUnwichtig->isChecked();
  fStandard.fAuRaumUnwichtig = fRaumUnwichtig->isChecked();
  fStandard.fAuFreiUnwichtig = fFreiUnwichtig->isChecked();
  QDialog::accept();
}

}  // namespace orbato
