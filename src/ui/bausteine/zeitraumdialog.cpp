#include "ui/bausteine/zeitraumdialog.h"

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

// The calendar of the plan runs from 1994 on; the dialogs stop where the calendar window does.
constexpr int kErstesJahr = 1994;
constexpr int kLetztesJahr = 2050;

QSpinBox* Zahl(int von, int bis, int wert, QWidget* eltern) {
  auto* feld = new QSpinBox(eltern);
  feld->setRange(von, bis);
  feld->setValue(wert);
  return feld;
}

}  // namespace

TZeitraumDialog::TZeitraumDialog(const TStandard& standard, const QString& titel, TDatumZeit von,
                                 TDatumZeit bis, QWidget* eltern)
    : QDialog(eltern), fStandard(standard) {
  setWindowTitle(titel);
  auto* raster = new QGridLayout;
  const QString namen[2] = {QStringLiteral("von"), QStringLiteral("bis")};
  const TDatumZeit daten[2] = {von, bis};
  for (int i = 0; i < 2; ++i) {
    fFelder[i] = Felder(daten[i]);
    raster->addWidget(new QLabel(namen[i], this), i, 0);
    raster->addWidget(fFelder[i].tag, i, 1);
    raster->addWidget(fFelder[i].monat, i, 2);
    raster->addWidget(fFelder[i].jahr, i, 3);
    raster->addWidget(fFelder[i].wochentag, i, 4);
  }
  raster->setColumnMinimumWidth(4, fontMetrics().horizontalAdvance(QStringLiteral("Donnerstag")));
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(raster);
  layout->addWidget(OkAbbrechen(this));
  for (TDatumsFelder& f : fFelder) {
    for (QSpinBox* feld : {f.tag, f.monat, f.jahr}) {
      connect(feld, &QSpinBox::valueChanged, this, [this, &f] { Korrigieren(f); });
    }
    Korrigieren(f);
  }
}

TZeitraumDialog::TDatumsFelder TZeitraumDialog::Felder(TDatumZeit datum) {
  const TKalenderDatum d = DekodiereDatum(datum);
  TDatumsFelder f;
  f.tag = Zahl(1, 31, d.Tag, this);
  f.monat = Zahl(1, 12, d.Monat, this);
  f.jahr = Zahl(kErstesJahr, kLetztesJahr, d.Jahr, this);
  f.wochentag = new QLabel(this);
  return f;
}

void TZeitraumDialog::Korrigieren(TDatumsFelder& f) {
  int tag = f.tag->value();
  const std::optional<TDatumZeit> datum = KorrigiertesDatum(f.jahr->value(), f.monat->value(), tag);
  if (tag != f.tag->value()) {
    const QSignalBlocker still(f.tag);
    f.tag->setValue(tag);
  }
  if (!datum) {
    f.wochentag->clear();
    return;
  }
  const auto wochentag = static_cast<std::size_t>(orbato::Wochentag(*datum) - 1);
  f.wochentag->setText(QtText(fStandard.fTagName[wochentag].str()));
}

TDatumZeit TZeitraumDialog::Datum(const TDatumsFelder& f) const {
  int tag = f.tag->value();
  const std::optional<TDatumZeit> datum = KorrigiertesDatum(f.jahr->value(), f.monat->value(), tag);
  return datum ? *datum + 0.5 : 0.5;
}

TDatumZeit TZeitraumDialog::Von() const {
  return Datum(fFelder[0]);
}

TDatumZeit TZeitraumDialog::Bis() const {
  return Datum(fFelder[1]);
}

}  // namespace orbato
