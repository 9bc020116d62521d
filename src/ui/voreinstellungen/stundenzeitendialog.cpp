#include "ui/voreinstellungen/stundenzeitendialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/einstellungen/standard.h"
#include "ui/bausteine/dialogknoepfe.h"

namespace orbato {
namespace {

constexpr int kZeilen = 8;

QLineEdit* ZeitFeld(QWidget* eltern, const QString& name) {
  auto* feld = new QLineEdit(eltern);
  feld->setObjectName(name);
  feld->setMaxLength(5);
  feld->setFixedWidth(feld->fontMetrics().horizontalAdvance(QStringLiteral("00:000")) + 12);
  return feld;
}

}  // namespace

TStundenzeitenDialog::TStundenzeitenDialog(TStandard& standard, QWidget* eltern)
    : QDialog(eltern), fStandard(standard), fWahl(standard) {
  setWindowTitle(QStringLiteral("Stundenzeiten"));
  auto* spalten = new QHBoxLayout;
  for (int spalte = 0; spalte < 2; ++spalte) {
    auto* raster = new QGridLayout;
    raster->addWidget(new QLabel(QStringLiteral("Stunde"), this), 0, 0);
    raster->addWidget(new QLabel(QStringLiteral("Beginn"), this), 0, 1);
    raster->addWidget(new QLabel(QStringLiteral("Ende"), this), 0, 2);
    for (int z = 0; z < kZeilen; ++z) {
      const int std = spalte * kZeilen + z + 1;
      fBeginn[std - 1] = ZeitFeld(this, QStringLiteral("beginn%1").arg(std));
      fEnde[std - 1] = ZeitFeld(this, QStringLiteral("ende%1").arg(std));
      auto* nummer = new QLabel(QString::number(std), this);
      nummer->setAlignment(Qt::AlignCenter);
      raster->addWidget(nummer, z + 1, 0);
      raster->addWidget(fBeginn[std - 1], z + 1, 1);
      raster->addWidget(fEnde[std - 1], z + 1, 2);
      connect(fBeginn[std - 1], &QLineEdit::editingFinished, this,
              [this, std] { Geaendert(std, true); });
      connect(fEnde[std - 1], &QLineEdit::editingFinished, this,
              [this, std] { Geaendert(std, false); });
    }
    spalten->addLayout(raster);
  }
  auto* knoepfe = OkAbbrechen(this);
  QPushButton* vorgabe = knoepfe->addButton(QStringLiteral("Vorgabe"), QDialogButtonBox::ResetRole);
  connect(vorgabe, &QPushButton::clicked, this, [this] {
    fWahl.Vorgabe();
    Fuellen();
  });
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(spalten);
  layout->addWidget(knoepfe);
  Fuellen();
}

void TStundenzeitenDialog::Fuellen() {
  for (int std = 1; std <= 2 * kZeilen; ++std) {
    fBeginn[std - 1]->setText(QString::fromStdString(fWahl.Beginn(std)));
    fEnde[std - 1]->setText(QString::fromStdString(fWahl.Ende(std)));
  }
}

void TStundenzeitenDialog::Geaendert(int std, bool beginn) {
  QLineEdit* feld = beginn ? fBeginn[std - 1] : fEnde[std - 1];
  const std::string text = feld->text().trimmed().toStdString();
  if (beginn) {
    fWahl.SetzeBeginn(std, text);
  } else {
    fWahl.SetzeEnde(std, text);
  }
  // A text that is no time shows the time kept, and a time typed as "7:45" its full form.
  feld->setText(QString::fromStdString(beginn ? fWahl.Beginn(std) : fWahl.Ende(std)));
}

void TStundenzeitenDialog::accept() {
  // The field being typed in counts even before it lost the focus.
  for (int std = 1; std <= 2 * kZeilen; ++std) {
    if (fBeginn[std - 1]->hasFocus()) Geaendert(std, true);
    if (fEnde[std - 1]->hasFocus()) Geaendert(std, false);
  }
  if (const int falsch = fWahl.FalscheStunde()) {
    QMessageBox::warning(this, QStringLiteral("Stundenzeiten"),
                         QString::fromStdString(TStundenZeitenWahl::Meldung(falsch)));
    return;
  }
  fWahl.Uebernehmen(fStandard);
  QDialog::accept();
}

}  // namespace orbato
