#include "ui/voreinstellungen/automatikvoreinstellung.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/hauptfenster/menuedaten.h"
#include "ui/voreinstellungen/bewertungsraster.h"

namespace orbato {

TAuTabForm::TAuTabForm(TStandard& standard, QWidget* eltern)
    : QDialog(eltern),
      fStandard(standard),
      fTabellen(standard.fAuTab),
      fRaster(new TBewertungsRaster(standard, this)),
      fNr(new QSpinBox(this)),
      fWechseln(new QPushButton(QStringLiteral("Wechseln"), this)) {
  setWindowTitle(QStringLiteral("Voreinstellung für die Automatik"));
  fNr->setObjectName(QStringLiteral("tabellenNr"));
  fNr->setRange(1, kAutoTabellen);
  fNr->setValue(1);
  auto* nummer = new QHBoxLayout;
  nummer->addWidget(new QLabel(QStringLiteral("Tabelle Nr.:"), this));
  nummer->addWidget(fNr);
  auto* ok = new QPushButton(QStringLiteral("Ok"), this);
  auto* abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
  ok->setDefault(true);
  abbrechen->setAutoDefault(false);
  fWechseln->setAutoDefault(false);
  auto* rechts = new QVBoxLayout;
  rechts->addLayout(nummer);
  rechts->addSpacing(12);
  rechts->addWidget(new QLabel(QStringLiteral("Reihenfolge der\nSetzungen und\nMehrfachstunden-\n"
                                              "position bei der\nautomatischen\nPlanerstellung"),
                               this));
  rechts->addStretch();
  for (QPushButton* k : {ok, abbrechen, fWechseln}) rechts->addWidget(k);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(fRaster);
  layout->addLayout(rechts);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  fMenuZeigen = [this](TMenu& menu) { MenuUnterKnopf(menu, fWechseln); };
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
  connect(fWechseln, &QPushButton::clicked, this, &TAuTabForm::Wechseln);
  connect(fNr, &QSpinBox::valueChanged, this, &TAuTabForm::TabelleZeigen);
  connect(fRaster, &TBewertungsRaster::geaendert, fRaster, qOverload<>(&QWidget::update));
  TabelleZeigen();
}

void TAuTabForm::TabelleZeigen() {
  fRaster->SetTabelle(&fTabellen[static_cast<std::size_t>(fNr->value() - 1)]);
}

void TAuTabForm::Wechseln() {
  TMenu menu = StandardTabellenMenu([this](const TBewertungsTabelle& tabelle) {
    fTabellen[static_cast<std::size_t>(fNr->value() - 1)] = tabelle;
    accept();
  });
  fMenuZeigen(menu);
}

void TAuTabForm::accept() {
  fStandard.fAuTab = fTabellen;
  QDialog::accept();
}

}  // namespace orbato
