#include "ui/plaene/parstartdialog.h"

#include <QCheckBox>
#include <QSpinBox>

#include "model/dokument/parliste.h"

namespace orbato {

TParStartForm::TParStartForm(TStandard& standard, const TParListe& gespeichert, QWidget* eltern)
    : TVoreinstellungsDialog(QStringLiteral("Parallele Kopplungen"), eltern),
      fStandard(standard),
      fGespeichert(gespeichert) {
  fZeilen = Zahl(QStringLiteral("Zeilen"), "parZeilen", 2, 40, standard.fParZeilen);
  fSpalten = Zahl(QStringLiteral("Spalten"), "parSpalten", 2, 10, standard.fParSpalten);
  fUeber = Schaltfeld(QStringLiteral("letzte Tabelle übernehmen"), "parUeber", standard.fParUeber);
  fMitFach = Schaltfeld(QStringLiteral("Fächer mit anzeigen"), "parMitFach", standard.fParMitFach);
  GroesseSetzen();
  connect(fUeber, &QCheckBox::toggled, this, [this] { GroesseSetzen(); });
}

// The spin boxes keep a stored size outside their range at their nearest limit.
void TParStartForm::GroesseSetzen() {
  const bool ueber = fUeber->isChecked();
  fZeilen->setValue(ueber ? fGespeichert.fZeilen : fStandard.fParZeilen);
  fSpalten->setValue(ueber ? fGespeichert.fSpalten : fStandard.fParSpalten);
}

void TParStartForm::accept() {
  fStandard.fParZeilen = fZeilen->value();
  fStandard.fParSpalten = fSpalten->value();
  fStandard.fParUeber = fUeber->isChecked();
  fStandard.fParMitFach = fMitFach->isChecked();
  QDialog::accept();
}

}  // namespace orbato
