#include "ui/voreinstellungen/vorgabendialoge.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>
#include <cmath>

#include "platform/qttext.h"
#include "ui/voreinstellungen/wochenraster.h"

namespace orbato {
namespace {

// A target in units of 1/fDivisor hour, shown as hours with the settings' decimals.
QDoubleSpinBox* SollFeld(QWidget* eltern, const TStandard& s, const char* name, int32_t wert) {
  auto* feld = new QDoubleSpinBox(eltern);
  feld->setObjectName(QString::fromLatin1(name));
  const int divisor = s.fDivisor > 0 ? s.fDivisor : 1;
  feld->setDecimals(s.fNachKomma);
  feld->setSingleStep(1.0 / divisor);
  feld->setRange(0, 32767.0 / divisor);
  feld->setValue(static_cast<double>(wert) / divisor);
  return feld;
}

int32_t Einheiten(const QDoubleSpinBox* feld, const TStandard& s) {
  return static_cast<int32_t>(std::lround(feld->value() * (s.fDivisor > 0 ? s.fDivisor : 1)));
}

}  // namespace

TGrunddatenDialog::TGrunddatenDialog(TStandard& standard, QWidget* eltern)
    : TVoreinstellungsDialog(QStringLiteral("Voreinstellung für Grunddaten"), eltern),
      fStandard(standard),
      fRaster(new TWochenRaster(standard.fGrWoElem, standard, this)) {
  Formular()->addRow(QStringLiteral("Sperrung"), fRaster);
  fLeSoll = SollFeld(this, standard, "leSoll", standard.fLeSoll);
  Formular()->addRow(QStringLiteral("Soll der Lehrer"), fLeSoll);
  fKlSoll = SollFeld(this, standard, "klSoll", standard.fKlSoll);
  Formular()->addRow(QStringLiteral("Soll der Klassen"), fKlSoll);
}

void TGrunddatenDialog::accept() {
  fStandard.fGrWoElem = fRaster->Elem();
  fStandard.fLeSoll = Einheiten(fLeSoll, fStandard);
  fStandard.fKlSoll = Einheiten(fKlSoll, fStandard);
  QDialog::accept();
}

TKursVorgabenDialog::TKursVorgabenDialog(TStandard& standard, QWidget* eltern)
    : TVoreinstellungsDialog(QStringLiteral("Voreinstellung für Kurse"), eltern),
      fStandard(standard),
      fRaster(new TWochenRaster(standard.fKuWoElem, standard, this)),
      fFarbe(standard.fKursFarbe) {
  Formular()->addRow(QStringLiteral("Sperrung"), fRaster);
  fKursStd = Zahl(QStringLiteral("Stunden"), "kursStd", 0, 99, standard.fKursStd);
  fStdProTag = Zahl(QStringLiteral("Std/Tag"), "stdProTag", 1, 16, standard.fStdProTag);
  fEinzelStd = Zahl(QStringLiteral("Einzelne"), "einzelStd", 0, 99, standard.fEinzelStd);
  fTabellenNr =
      Zahl(QStringLiteral("Tabelle"), "tabellenNr", 1, kAutoTabellen, standard.fTabellenNr);
  fFaktor = Zahl(QStringLiteral("Faktor"), "faktor", 0, 9999, standard.fFaktor);
  fNichtVerplanen =
      Schaltfeld(QStringLiteral("nicht verplanen"), "nichtVerplanen", standard.fNichtVerplanen);
  fNichtZaehlenLe = Schaltfeld(QStringLiteral("beim Lehrer nicht zählen"), "nichtZaehlenLe",
                               standard.fNichtZaehlenLe);
  fNichtZaehlenKl = Schaltfeld(QStringLiteral("bei der Klasse nicht zählen"), "nichtZaehlenKl",
                               standard.fNichtZaehlenKl);
  fNachKlSortiert = Schaltfeld(QStringLiteral("Kurse der Klassen nach Fächern"), "nachKlSortiert",
                               standard.fNachKlSortiert);
  fFarbKnopf = new QPushButton(QStringLiteral("Farbe..."), this);
  fFarbKnopf->setObjectName(QStringLiteral("farbe"));
  Formular()->addRow(QStringLiteral("Kursfarbe"), fFarbKnopf);
  connect(fFarbKnopf, &QPushButton::clicked, this, [this] {
    const QColor neu = QColorDialog::getColor(QtFarbe(fFarbe), this, QStringLiteral("Kursfarbe"));
    if (neu.isValid()) fFarbe = ModellFarbe(neu);
    FarbeZeigen();
  });
  FarbeZeigen();
}

void TKursVorgabenDialog::FarbeZeigen() {
  fFarbKnopf->setStyleSheet(QStringLiteral("background-color: %1").arg(QtFarbe(fFarbe).name()));
}

void TKursVorgabenDialog::accept() {
  fStandard.fKuWoElem = fRaster->Elem();
  fStandard.fKursStd = fKursStd->value();
  fStandard.fStdProTag = fStdProTag->value();
  fStandard.fEinzelStd = fEinzelStd->value();
  fStandard.fTabellenNr = fTabellenNr->value();
  fStandard.fFaktor = fFaktor->value();
  fStandard.fNichtVerplanen = fNichtVerplanen->isChecked();
  fStandard.fNichtZaehlenLe = fNichtZaehlenLe->isChecked();
  fStandard.fNichtZaehlenKl = fNichtZaehlenKl->isChecked();
  fStandard.fNachKlSortiert = fNachKlSortiert->isChecked();
  fStandard.fKursFarbe = fFarbe;
  QDialog::accept();
}

}  // namespace orbato
