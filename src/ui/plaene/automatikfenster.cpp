#include "ui/plaene/automatikfenster.h"

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "model/dokument/schule.h"
#include "scheduler/automatik.h"
#include "scheduler/begruendung.h"
#include "scheduler/nachbessern.h"
#include "scheduler/optimierung.h"
#include "ui/hauptfenster/fensterwege.h"
#include "ui/stammdaten/deputatfenster.h"

namespace orbato {
namespace {

QPushButton* Knopf(const QString& text, QWidget* eltern) {
  auto* knopf = new QPushButton(text, eltern);
  knopf->setAutoDefault(false);
  return knopf;
}

QLabel* Zahlfeld(const char* name, QWidget* eltern) {
  auto* feld = new QLabel(eltern);
  feld->setObjectName(QString::fromLatin1(name));
  feld->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  feld->setMinimumWidth(feld->fontMetrics().horizontalAdvance(QStringLiteral("0000000")));
  return feld;
}

// Coupled courses share their periods, so the hours open and the periods they need differ.
QString OffenKopf(const TOffeneStunden& offen) {
  return QStringLiteral("nicht gesetzt: %1 %2, %3 Zeitfenster")
      .arg(offen.fStunden)
      .arg(offen.fStunden == 1 ? QStringLiteral("Stunde") : QStringLiteral("Stunden"))
      .arg(offen.fZeitfenster);
}

}  // namespace

TAutomatForm::TAutomatForm(TSchule& schule, TStandard& standard, const std::vector<TKurs*>& auswahl,
                           QWidget* eltern)
    : QDialog(eltern),
      fSchule(schule),
      fStandard(standard),
      fAutomatik(std::make_unique<TAutomatik>(auswahl)),
      fRestFeld(Zahlfeld("RestFeld", this)),
      fNvpFeld(Zahlfeld("nvpFeld", this)),
      fBalken(new QProgressBar(this)),
      fStart(Knopf(QStringLiteral("Start"), this)),
      fAbbrechen(Knopf(QStringLiteral("Abbrechen"), this)),
      fOk(Knopf(QStringLiteral("Ok"), this)),
      fNachbessernKnopf(Knopf(QStringLiteral("Nachbessern"), this)),
      fOptimierenKnopf(Knopf(QStringLiteral("Optimieren"), this)),
      fOptimierFeld(new QLabel(this)),
      fRestZeigen(Knopf(QStringLiteral("nicht verplanbare Stunden zeigen"), this)) {
  setWindowTitle(QStringLiteral("Automatisches Rechnen"));
  setModal(true);
  auto* gruppe = new QGroupBox(QStringLiteral("Stunden"), this);
  auto* zaehler = new QFormLayout(gruppe);
  zaehler->addRow(QStringLiteral("noch zu setzen"), fRestFeld);
  zaehler->addRow(QStringLiteral("nicht verplanbar"), fNvpFeld);
  auto* knoepfe = new QVBoxLayout;
  for (QPushButton* k : {fStart, fAbbrechen, fOk, fNachbessernKnopf, fOptimierenKnopf})
    knoepfe->addWidget(k);
  knoepfe->addStretch();
  auto* oben = new QHBoxLayout;
  oben->addWidget(gruppe, 1);
  oben->addLayout(knoepfe);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(oben);
  layout->addWidget(fBalken);
  layout->addWidget(fOptimierFeld);
  layout->addWidget(fRestZeigen);
  fOptimierFeld->setObjectName(QStringLiteral("OptimierFeld"));
  fOptimierFeld->hide();

  fBalken->setRange(0, std::max(0, fAutomatik->FortschrittMax()));
  fBalken->setValue(0);
  fOk->setEnabled(false);
  fNachbessernKnopf->setEnabled(false);
  fOptimierenKnopf->setEnabled(false);
  fRestZeigen->setEnabled(false);
  fStart->setDefault(true);
  ZaehlerZeigen();
  fAutomatik->fZwischendurch = [this] { Zwischendurch(); };
  connect(fStart, &QPushButton::clicked, this, &TAutomatForm::StartKnopfClick);
  connect(fAbbrechen, &QPushButton::clicked, this, &TAutomatForm::AbbrechenKnopfClick);
  connect(fOk, &QPushButton::clicked, this, &QDialog::accept);
  connect(fNachbessernKnopf, &QPushButton::clicked, this, &TAutomatForm::NachbessernKnopfClick);
  connect(fOptimierenKnopf, &QPushButton::clicked, this, &TAutomatForm::OptimierenKnopfClick);
  connect(fRestZeigen, &QPushButton::clicked, this, &TAutomatForm::RestZeigenKnopfClick);
}

TAutomatForm::~TAutomatForm() = default;

void TAutomatForm::ZaehlerZeigen() {
  fRestFeld->setText(QString::number(fAutomatik->NochZuSetzen()));
  fNvpFeld->setText(QString::number(fAutomatik->NichtVerplanbar()));
  if (fNachbessern == nullptr)
    fBalken->setValue(std::min(fAutomatik->Fortschritt(), fBalken->maximum()));
}

void TAutomatForm::Zwischendurch() {
  ZaehlerZeigen();
  QApplication::processEvents();
}

// Pressed again after "Abbrechen" (which calls it), it closes the window.
void TAutomatForm::StartKnopfClick() {
  if (fAbbruch) {
    done(QDialog::Rejected);
    return;
  }
  fStart->setEnabled(false);
  fAbbrechen->setEnabled(true);
  fAutomatik->Rechne();
  PlanGeaendert();
  Fertig();
}

void TAutomatForm::AbbrechenKnopfClick() {
  if (fOptimierung) {
    // Like a repair pass, "Optimieren" keeps the best plan it found and the window stays.
    fOptimierung->Abbrechen();
    return;
  }
  if (fNachbessern) {
    // A repair pass stops and keeps the best plan it found; the window stays.
    fNachbessern->Abbrechen();
    return;
  }
  fAbbruch = true;
  fAutomatik->Abbrechen();
  StartKnopfClick();
}

void TAutomatForm::reject() {
  if (fAbbrechen->isEnabled()) {
    AbbrechenKnopfClick();
  } else if (fNachbessern == nullptr) {
    QDialog::reject();
  }
}

void TAutomatForm::closeEvent(QCloseEvent* ereignis) {
  if (fOptimierung == nullptr) {
    QDialog::closeEvent(ereignis);
    return;
  }
  fOptimierung->Abbrechen();
  fSchliessenDanach = true;
  ereignis->ignore();
}

void TAutomatForm::Fertig() {
  ZaehlerZeigen();
  fOk->setEnabled(true);
  fOk->setDefault(true);
  fAbbrechen->setEnabled(false);
  fRestZeigen->setEnabled(!fAutomatik->Rest().empty());
  fNachbessernKnopf->setEnabled(fAutomatik->NichtVerplanbar() > 0);
  fOptimierenKnopf->setEnabled(
      HatVerplanteStunden(fAutomatik->AlleKurse(), fStandard.fAktuelleWoche));
}

void TAutomatForm::NachbessernKnopfClick() {
  fSchule.VorGrossemUmbau();
  TNachbessern nachbessern(fAutomatik->AlleKurse());
  nachbessern.fZwischendurch = [this](int32_t schritt, int32_t maximum) {
    fBalken->setRange(0, std::max(1, maximum));
    fBalken->setValue(std::min(schritt, fBalken->maximum()));
    QApplication::processEvents();
  };
  fNachbessern = &nachbessern;
  for (QPushButton* k : {fOk, fNachbessernKnopf, fRestZeigen}) k->setEnabled(false);
  fAbbrechen->setEnabled(true);
  nachbessern.Rechne();
  fNachbessern = nullptr;
  fAutomatik->RestNeuZaehlen();
  fBalken->setRange(0, std::max(0, fAutomatik->FortschrittMax()));
  fBalken->setValue(fBalken->maximum());
  PlanGeaendert();
  Fertig();
}

void TAutomatForm::OptimierenKnopfClick() {
  fSchule.VorGrossemUmbau();
  TOptimierung optimierung(fAutomatik->AlleKurse(), fStandard.fOptimieren);
  QElapsedTimer uhr;
  uhr.start();
  optimierung.fZwischendurch = [this, &optimierung, &uhr](const TOptimierFortschritt& stand) {
    fBalken->setValue(
        OptimierBalken(stand, optimierung.fSekunden, static_cast<double>(uhr.elapsed()) / 1000));
    fOptimierFeld->setText(OptimierZwischenstand(stand.fBeste).join(QLatin1Char('\n')));
    QApplication::processEvents();
  };
  fOptimierung = &optimierung;
  OptimierenZeigen();
  const bool geaendert = fOptimierLauf(optimierung);
  fOptimierung = nullptr;
  fOptimierFeld->setText(OptimierErgebnis(geaendert, optimierung.Vorher(), optimierung.Nachher()));
  fBalken->setRange(0, std::max(0, fAutomatik->FortschrittMax()));
  fBalken->setValue(fBalken->maximum());
  if (geaendert) PlanGeaendert();
  Fertig();
  if (fSchliessenDanach) done(QDialog::Rejected);
}

void TAutomatForm::OptimierenZeigen() {
  for (QPushButton* k : {fOk, fNachbessernKnopf, fOptimierenKnopf, fRestZeigen})
    k->setEnabled(false);
  fAbbrechen->setEnabled(true);
  fBalken->setRange(0, kOptimierBalken);
  fBalken->setValue(0);
  fOptimierFeld->setText(QStringLiteral("Der Plan wird optimiert."));
  fOptimierFeld->show();
}

void TAutomatForm::RestZeigenKnopfClick() {
  TDepForm* liste = AlleKurseOeffnen(fSchule, fStandard);
  liste->KurseZeigen(
      fAutomatik->Rest(), [](const TKurs& kurs) { return GrundOffen(kurs); },
      OffenKopf(OffeneStundenUndZeitfenster(fAutomatik->Rest())));
  DokumentFensterZeigen(liste);
  liste->FensterNachVorn();
  accept();
}

void TAutomatForm::PlanGeaendert() {
  fSchule.SetDirty();
  fSchule.FensterAktualisieren();
}

}  // namespace orbato
