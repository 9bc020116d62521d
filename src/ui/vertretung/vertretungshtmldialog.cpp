#include "ui/vertretung/vertretungshtmldialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "model/einstellungen/standard.h"
#include "platform/qttext.h"
#include "ui/bausteine/dialogknoepfe.h"

namespace orbato {
namespace {

// The size choice runs from -2 to +4; its entry 0 is -2.
constexpr int kKleinsteGroesse = -2;
constexpr int kGroessteGroesse = 4;

QCheckBox* Schalter(const QString& text, bool wert, QWidget* eltern) {
  auto* feld = new QCheckBox(text, eltern);
  feld->setChecked(wert);
  return feld;
}

}  // namespace

QSpinBox* TVertrHTMLDialog::Zahl(int wert, int bis) {
  auto* feld = new QSpinBox(this);
  feld->setRange(0, bis);
  feld->setValue(std::clamp(wert, 0, bis));
  return feld;
}

TVertrHTMLDialog::TVertrHTMLDialog(TStandard& standard, QWidget* eltern)
    : QDialog(eltern), fStandard(standard) {
  setWindowTitle(QStringLiteral("Einstellung für den HTML-Export des Vertretungsplans"));
  auto* raster = new QGridLayout;
  int zeile = 0;
  fGemeinsam = new QRadioButton(QStringLiteral("als gemeinsame Datei"), this);
  fGetrennt = new QRadioButton(QStringLiteral("als getrennte Dateien"), this);
  (standard.fVertrHTMLGemeinsam ? fGemeinsam : fGetrennt)->setChecked(true);
  raster->addWidget(fGemeinsam, zeile, 0, 1, 2);
  raster->addWidget(fGetrennt, zeile++, 2, 1, 2);

  fScrollen =
      Schalter(QStringLiteral("Fenster automatisch scrollen"), standard.fVertrHTMLScrollen, this);
  raster->addWidget(fScrollen, zeile++, 0, 1, 4);
  fScrollSekunden = Zahl(standard.fVertrScrollSekunden, 600000);
  raster->addWidget(fScrollSekunden, zeile, 0);
  raster->addWidget(new QLabel(QStringLiteral("Millisekunden"), this), zeile, 1);
  fScrollPixel = Zahl(standard.fVertrScrollPixel, 10000);
  raster->addWidget(fScrollPixel, zeile, 2);
  raster->addWidget(new QLabel(QStringLiteral("Pixel"), this), zeile++, 3);

  raster->addWidget(new QLabel(QStringLiteral("Seite automatisch neu laden nach"), this), zeile, 0,
                    1, 2);
  fLaden = Zahl(standard.fVertrLaden, 10000);
  raster->addWidget(fLaden, zeile, 2);
  raster->addWidget(new QLabel(QStringLiteral("Minuten"), this), zeile++, 3);

  fMitTagesordner =
      Schalter(QStringLiteral("mit Tagesordner"), standard.fVertrHTMLMitTagesordner, this);
  raster->addWidget(fMitTagesordner, zeile++, 0, 1, 4);
  fNurVertretene =
      Schalter(QStringLiteral("nur vertretene Stunden"), standard.fVertrHTMLNurVertreteneStd, this);
  raster->addWidget(fNurVertretene, zeile++, 0, 1, 4);
  fMitZurueck =
      Schalter(QStringLiteral("mit Link \"zurück\""), standard.fVertrHTMLMitZurueck, this);
  raster->addWidget(fMitZurueck, zeile++, 0, 1, 4);

  raster->addWidget(new QLabel(QStringLiteral("Leerzeilen"), this), zeile, 0);
  fLeerzeilen = Zahl(standard.fVertrLeerzeilen, 100);
  raster->addWidget(fLeerzeilen, zeile, 1);
  raster->addWidget(new QLabel(QStringLiteral("(oben und unten)"), this), zeile++, 2, 1, 2);

  raster->addWidget(new QLabel(QStringLiteral("Pfad zur css-Datei"), this), zeile, 0);
  fCSS = new QLineEdit(QtText(standard.fVertrCSS), this);
  raster->addWidget(fCSS, zeile++, 1, 1, 3);

  raster->addWidget(new QLabel(QStringLiteral("Schriftgröße"), this), zeile, 0);
  fGroesse = new QComboBox(this);
  for (int g = kKleinsteGroesse; g <= kGroessteGroesse; ++g) {
    fGroesse->addItem(g > 0 ? QStringLiteral("(+%1)").arg(g) : QStringLiteral("(%1)").arg(g));
  }
  fGroesse->setCurrentIndex(
      std::clamp(standard.fVertrHTMLSize, kKleinsteGroesse, kGroessteGroesse) - kKleinsteGroesse);
  raster->addWidget(fGroesse, zeile++, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(raster);
  layout->addWidget(OkAbbrechen(this));
}

void TVertrHTMLDialog::Uebernehmen() {
  fStandard.fVertrHTMLGemeinsam = fGemeinsam->isChecked();
  fStandard.fVertrHTMLScrollen = fScrollen->isChecked();
  fStandard.fVertrScrollSekunden = fScrollSekunden->value();
  fStandard.fVertrScrollPixel = fScrollPixel->value();
  fStandard.fVertrLaden = fLaden->value();
  fStandard.fVertrHTMLMitTagesordner = fMitTagesordner->isChecked();
  fStandard.fVertrHTMLNurVertreteneStd = fNurVertretene->isChecked();
  fStandard.fVertrHTMLMitZurueck = fMitZurueck->isChecked();
  fStandard.fVertrLeerzeilen = fLeerzeilen->value();
  fStandard.fVertrCSS = ModellText(fCSS->text());
  fStandard.fVertrHTMLSize = fGroesse->currentIndex() + kKleinsteGroesse;
}

}  // namespace orbato
