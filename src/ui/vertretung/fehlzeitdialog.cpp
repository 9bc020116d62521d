#include "ui/vertretung/fehlzeitdialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include "platform/qttext.h"
#include "ui/bausteine/dialogknoepfe.h"
#include "ui/bausteine/wartezeiger.h"

namespace orbato {
namespace {

QSpinBox* Zahlfeld(const QString& name, int von, int bis, int wert, QWidget* eltern) {
  auto* feld = new QSpinBox(eltern);
  feld->setObjectName(name);
  feld->setRange(von, bis);
  feld->setValue(wert);
  return feld;
}

}  // namespace

TFehlzeitDialog::TFehlzeitDialog(const TFehlForm& form, const TFehlZeile& zeile, QWidget* eltern)
    : QDialog(eltern),
      fLang(form, zeile),
      // Up to 31 in every month: an impossible day is corrected on "Ok".
      fTag(Zahlfeld(QStringLiteral("tag"), 1, 31, fLang.fTag, this)),
      fMonat(Zahlfeld(QStringLiteral("monat"), 1, 12, fLang.fMonat, this)),
      fJahr(Zahlfeld(QStringLiteral("jahr"), 1900, 2999, fLang.fJahr, this)) {
  setWindowTitle(QStringLiteral("längere Fehlzeit"));
  auto* ueberschrift = new QLabel(QtText(fLang.Ueberschrift()), this);
  ueberschrift->setObjectName(QStringLiteral("ueberschrift"));
  QFont fett = ueberschrift->font();
  fett.setBold(true);
  ueberschrift->setFont(fett);
  auto* felder = new QFormLayout;
  felder->addRow(QStringLiteral("Tag"), fTag);
  felder->addRow(QStringLiteral("Monat"), fMonat);
  felder->addRow(QStringLiteral("Jahr"), fJahr);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ueberschrift);
  layout->addLayout(felder);
  layout->addWidget(OkAbbrechen(this));
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TFehlzeitDialog::accept() {
  fLang.fTag = fTag->value();
  fLang.fMonat = fMonat->value();
  fLang.fJahr = fJahr->value();
  {
    TWarteZeiger warten;
    fEingetragen = fLang.Ok();
  }
  // The fields show the day that was taken, or the window's date after a reset.
  fTag->setValue(fLang.fTag);
  fMonat->setValue(fLang.fMonat);
  fJahr->setValue(fLang.fJahr);
  QDialog::accept();
}

}  // namespace orbato
