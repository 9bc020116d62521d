#include "ui/befehle/gpudialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/bausteine/dialogknoepfe.h"

namespace orbato {
namespace {

QDate AlsQDate(TDatumZeit d) {
  const TKalenderDatum k = DekodiereDatum(d);
  return QDate(k.Jahr, k.Monat, k.Tag);
}

TDatumZeit AusQDate(const QDate& d) {
  return KodiereDatum(d.year(), d.month(), d.day()).value_or(0) + 0.5;
}

// The separator of each combo entry; 0 for "erkennen".
const char kTrenner[] = {0, ',', ';', '\t'};

}  // namespace

TGpuDialog::TGpuDialog(TRichtung richtung, const QString& ordner, TDatumZeit heute, QWidget* eltern)
    : QDialog(eltern) {
  setWindowTitle(QStringLiteral("Untis-Dateien (GPU)"));
  auto* form = new QFormLayout;
  fOrdner = new QLineEdit(ordner, this);
  fOrdner->setMinimumWidth(320);
  auto* waehlen = new QPushButton(QStringLiteral("Ordner..."), this);
  connect(waehlen, &QPushButton::clicked, this, [this] {
    const QString gewaehlt =
        QFileDialog::getExistingDirectory(this, QStringLiteral("Ordner"), fOrdner->text());
    if (!gewaehlt.isEmpty()) fOrdner->setText(gewaehlt);
  });
  auto* ordnerReihe = new QHBoxLayout;
  ordnerReihe->addWidget(fOrdner);
  ordnerReihe->addWidget(waehlen);
  form->addRow(QStringLiteral("Ordner:"), ordnerReihe);

  const bool import = richtung == TRichtung::Import;
  fTrenner = new QComboBox(this);
  fZeichensatz = new QComboBox(this);
  if (import) {
    fTrenner->addItem(QStringLiteral("erkennen"));
    fZeichensatz->addItem(QStringLiteral("erkennen"));
  }
  fTrenner->addItems(
      {QStringLiteral("Komma"), QStringLiteral("Semikolon"), QStringLiteral("Tabulator")});
  fZeichensatz->addItems({QStringLiteral("Windows-1252"), QStringLiteral("UTF-8")});
  form->addRow(QStringLiteral("Trennzeichen:"), fTrenner);
  form->addRow(QStringLiteral("Zeichensatz:"), fZeichensatz);

  if (!import) {
    fVertretungen = new QCheckBox(QStringLiteral("Abwesenheiten und Vertretungen"), this);
    fVon = new QDateEdit(AlsQDate(heute), this);
    fBis = new QDateEdit(AlsQDate(heute), this);
    for (QDateEdit* feld : {fVon, fBis}) {
      feld->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
      feld->setEnabled(false);
      connect(fVertretungen, &QCheckBox::toggled, feld, &QWidget::setEnabled);
    }
    form->addRow(fVertretungen);
    form->addRow(QStringLiteral("von:"), fVon);
    form->addRow(QStringLiteral("bis:"), fBis);
  }
  auto* spalte = new QVBoxLayout(this);
  spalte->addLayout(form);
  spalte->addWidget(OkAbbrechen(this));
}

QString TGpuDialog::Ordner() const {
  return fOrdner->text();
}

TGpuLesart TGpuDialog::Lesart() const {
  static const TGpuKodierung kKodierungen[] = {TGpuKodierung::Erkennen, TGpuKodierung::Cp1252,
                                               TGpuKodierung::Utf8};
  return {kTrenner[fTrenner->currentIndex()], kKodierungen[fZeichensatz->currentIndex()]};
}

TGpuSchreibart TGpuDialog::Schreibart() const {
  return {kTrenner[fTrenner->currentIndex() + 1], fZeichensatz->currentIndex() == 1};
}

TDatumZeit TGpuDialog::Von() const {
  return fVertretungen && fVertretungen->isChecked() ? AusQDate(fVon->date()) : 0;
}

TDatumZeit TGpuDialog::Bis() const {
  return fVertretungen && fVertretungen->isChecked() ? AusQDate(fBis->date()) : 0;
}

}  // namespace orbato
