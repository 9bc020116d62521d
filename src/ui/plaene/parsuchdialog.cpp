#include "ui/plaene/parsuchdialog.h"

#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "placement/parsuche.h"

namespace orbato {
namespace {

// One slice of the search between two looks at the input: short enough that a click on
// "Anhalten" is felt at once.
constexpr int kScheibeMs = 20;
constexpr int64_t kKandidatenJeBlick = 2000;

}  // namespace

TParSuchForm::TParSuchForm(TParRaster& raster, QWidget* eltern) : QDialog(eltern), fRaster(raster) {
  setWindowTitle(QStringLiteral("Suche Lösung"));
  auto* layout = new QVBoxLayout(this);
  auto* zeile = new QHBoxLayout;
  zeile->addWidget(new QLabel(QStringLiteral("Kombination Nr."), this));
  fZaehler = new QLabel(QStringLiteral("0"), this);
  fZaehler->setObjectName(QStringLiteral("parZaehler"));
  fZaehler->setMinimumWidth(fZaehler->fontMetrics().horizontalAdvance(QStringLiteral("000000000")));
  zeile->addWidget(fZaehler);
  layout->addLayout(zeile);
  auto* knoepfe = new QHBoxLayout;
  fStart = new QPushButton(QStringLiteral("Start"), this);
  fAnhalten = new QPushButton(QStringLiteral("Anhalten"), this);
  fStart->setDefault(true);
  knoepfe->addWidget(fStart);
  knoepfe->addWidget(fAnhalten);
  layout->addLayout(knoepfe);
  connect(fStart, &QPushButton::clicked, this, [this] { Starten(); });
  connect(fAnhalten, &QPushButton::clicked, this, [this] { Anhalten(); });
  fTakt.setInterval(0);
  connect(&fTakt, &QTimer::timeout, this, [this] { Scheibe(); });
}

TParSuchForm::~TParSuchForm() = default;

void TParSuchForm::Starten() {
  if (fSuche) return;
  fSuche = std::make_unique<TParSuche>(fRaster);
  fZaehler->setText(QStringLiteral("0"));
  fStart->setEnabled(false);
  fTakt.start();
}

void TParSuchForm::Scheibe() {
  QElapsedTimer uhr;
  uhr.start();
  bool weiter = true;
  while (weiter && uhr.elapsed() < kScheibeMs) weiter = fSuche->Weiter(kKandidatenJeBlick);
  fZaehler->setText(QString::number(fSuche->Kombinationen()));
  if (!weiter) {
    Beenden();
    accept();
  }
}

void TParSuchForm::Beenden() {
  fTakt.stop();
  if (fBeendet) return;
  fBeendet = true;
  SucheBeenden(fRaster, *fSuche);
}

void TParSuchForm::reject() {
  if (Laeuft()) Beenden();
  QDialog::reject();
}

void TParSuchForm::Anhalten() {
  if (Laeuft()) {
    Beenden();
    return;
  }
  accept();
}

}  // namespace orbato
