#include "ui/bausteine/datumsdialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "model/einstellungen/standard.h"
#include "model/vertretung/kalender.h"
#include "platform/qttext.h"
#include "ui/bausteine/dialogknoepfe.h"

namespace orbato {
namespace {

// The years the calendar of plan versions covers.
constexpr int kErstesJahr = 1994;
constexpr int kLetztesJahr = 2050;

QSpinBox* Feld(int von, int bis, int wert, const QString& name, QWidget* eltern) {
  auto* feld = new QSpinBox(eltern);
  feld->setObjectName(name);
  feld->setRange(von, bis);
  feld->setValue(wert);
  return feld;
}

}  // namespace

TDatumsDialog::TDatumsDialog(const TStandard& standard, const QString& titel, TDatumZeit start,
                             QWidget* eltern)
    : QDialog(eltern), fStandard(standard), fDatum(Mittag(start)) {
  setWindowTitle(titel);
  const TKalenderDatum d = DekodiereDatum(fDatum);
  fTag = Feld(1, 31, d.Tag, QStringLiteral("tag"), this);
  fMonat = Feld(1, 12, d.Monat, QStringLiteral("monat"), this);
  fJahr = Feld(kErstesJahr, kLetztesJahr, d.Jahr, QStringLiteral("jahr"), this);
  fWochentag = new QLabel(this);
  fWochentag->setObjectName(QStringLiteral("wochentag"));
  fWochentag->setMinimumWidth(
      fWochentag->fontMetrics().horizontalAdvance(QStringLiteral("Donnerstag")));
  auto* felder = new QGridLayout;
  felder->addWidget(new QLabel(QStringLiteral("Tag"), this), 0, 0);
  felder->addWidget(new QLabel(QStringLiteral("Monat"), this), 0, 1);
  felder->addWidget(new QLabel(QStringLiteral("Jahr"), this), 0, 2);
  felder->addWidget(fTag, 1, 0);
  felder->addWidget(fMonat, 1, 1);
  felder->addWidget(fJahr, 1, 2);
  felder->addWidget(fWochentag, 1, 3);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(felder);
  layout->addWidget(OkAbbrechen(this));
  for (QSpinBox* feld : {fTag, fMonat, fJahr}) {
    connect(feld, &QSpinBox::valueChanged, this, [this] { Korrigieren(); });
  }
  Korrigieren();
}

void TDatumsDialog::Korrigieren() {
  int tag = fTag->value();
  const std::optional<TDatumZeit> datum = KorrigiertesDatum(fJahr->value(), fMonat->value(), tag);
  if (!datum) return;
  if (tag != fTag->value()) {
    const QSignalBlocker ruhe(fTag);
    fTag->setValue(tag);
  }
  fDatum = Mittag(*datum);
  const int wochentag = orbato::Wochentag(fDatum);
  fWochentag->setText(QtText(fStandard.fTagName[static_cast<size_t>(wochentag - 1)].str()));
}

}  // namespace orbato
