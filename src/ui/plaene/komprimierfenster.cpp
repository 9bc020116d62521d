#include "ui/plaene/komprimierfenster.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/elemente/klasse.h"
#include "model/elemente/kopplung.h"
#include "model/elemente/lehrer.h"
#include "model/elemente/raum.h"
#include "model/kurse/kurs.h"
#include "model/schnittstellen/fenster.h"
#include "platform/qttext.h"
#include "ui/plaene/wochentabelle.h"

namespace orbato {
namespace {

constexpr qint64 kEingabenAbstandMs = 30;

QString Kuerzel(const TElement* e) {
  return e ? QtText(e->fKuerzel.str()) : QString();
}

// While the run tries its moves, the open plan windows are not redrawn after each of them: a
// failing search may try millions. They are redrawn once at the end.
class TPlanFensterPause {
 public:
  explicit TPlanFensterPause(TSchule& schule) {
    const auto anhalten = [this](auto& menge) {
      for (TPlanElement* e : menge) {
        if (e->fPlnFenster == nullptr) continue;
        fFenster.push_back({e, e->fPlnFenster, dynamic_cast<QObject*>(e->fPlnFenster)});
        e->fPlnFenster = nullptr;
      }
    };
    anhalten(schule.fLehrerMenge);
    anhalten(schule.fKlassenMenge);
    anhalten(schule.fRaumMenge);
  }
  ~TPlanFensterPause() {
    for (auto& f : fFenster) {
      if (f.lebt) f.element->fPlnFenster = f.fenster;
    }
  }
  TPlanFensterPause(const TPlanFensterPause&) = delete;
  TPlanFensterPause& operator=(const TPlanFensterPause&) = delete;

 private:
  struct TAngehalten {
    TPlanElement* element;
    Fenster* fenster;
    QPointer<QObject> lebt;
  };
  std::vector<TAngehalten> fFenster;
};

}  // namespace

TKompForm::TKompForm(TSchule& schule, const TStandard& standard, QWidget* eltern)
    : QDialog(eltern),
      fSchule(schule),
      fStandard(standard),
      fKomp(schule),
      fPlan(new QTableWidget(this)),
      fKlasse(new QLabel(this)),
      fVersion(new QLabel(this)),
      fHohl(new QLabel(this)) {
  setWindowTitle(QStringLiteral("Komprimieren"));
  auto* planBox = new QGroupBox(QStringLiteral("Klassenplan"), this);
  auto* planLayout = new QVBoxLayout(planBox);
  planLayout->addWidget(fPlan);
  fPlan->setEditTriggers(QAbstractItemView::NoEditTriggers);
  fPlan->setSelectionMode(QAbstractItemView::NoSelection);
  fPlan->setFocusPolicy(Qt::NoFocus);
  fPlan->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  fPlan->horizontalHeader()->setMinimumSectionSize(60);
  fPlan->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  fPlan->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

  auto* info = new QGroupBox(QStringLiteral("Information"), this);
  auto* infoLayout = new QFormLayout(info);
  infoLayout->addRow(QStringLiteral("Klasse"), fKlasse);
  infoLayout->addRow(QStringLiteral("Version"), fVersion);
  infoLayout->addRow(QStringLiteral("Hohlstunden"), fHohl);

  auto* steuerung = new QGroupBox(QStringLiteral("Steuerung"), this);
  auto* steuerLayout = new QVBoxLayout(steuerung);
  const auto knopf = [&](const QString& text) {
    auto* k = new QPushButton(text, steuerung);
    k->setAutoDefault(false);
    steuerLayout->addWidget(k);
    return k;
  };
  fStart = knopf(QStringLiteral("Start"));
  fNaechste = knopf(QStringLiteral("nächste Klasse"));
  fAbbrechen = knopf(QStringLiteral("Abbrechen"));

  auto* einstellungen = new QGroupBox(QStringLiteral("Einstellungen"), this);
  auto* einLayout = new QVBoxLayout(einstellungen);
  fBruecken = new QCheckBox(QStringLiteral("Brücken erlauben"), einstellungen);
  fMehrfach = new QCheckBox(QStringLiteral("Mehrfachstunden zerreißen"), einstellungen);
  fBruecken->setChecked(fStandard.fKompBruecken);
  fMehrfach->setChecked(fStandard.fKompMehrfach);
  einLayout->addWidget(fBruecken);
  einLayout->addWidget(fMehrfach);

  auto* rechts = new QVBoxLayout;
  rechts->addWidget(info);
  rechts->addWidget(steuerung);
  rechts->addWidget(einstellungen);
  rechts->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(planBox, 1);
  layout->addLayout(rechts);

  connect(fStart, &QPushButton::clicked, this, &TKompForm::Start);
  connect(fNaechste, &QPushButton::clicked, this, [this] { fKomp.NaechsteKlasseClick(); });
  connect(fAbbrechen, &QPushButton::clicked, this, [this] { fKomp.AbbrechenClick(); });
  connect(fBruecken, &QCheckBox::clicked, this, [this](bool an) { fKomp.BrueckenClick(an); });
  connect(fMehrfach, &QCheckBox::clicked, this, [this](bool an) { fKomp.MehrfachClick(an); });
  fKomp.fZeigen = [this] { Zeigen(); };
  fKomp.fEingaben = [this] { Eingaben(); };
  fKomp.fSchliessen = [this] { QDialog::done(QDialog::Accepted); };
  Zeigen();
}

QString TKompForm::KlassenText() const {
  return fKlasse->text();
}

QString TKompForm::VersionsText() const {
  return fVersion->text();
}

QString TKompForm::HohlText() const {
  return fHohl->text();
}

QPushButton* TKompForm::Knopf(const QString& text) const {
  for (QPushButton* k : {fStart, fNaechste, fAbbrechen}) {
    if (k->text() == text) return k;
  }
  return nullptr;
}

void TKompForm::reject() {
  fKomp.AbbrechenClick();
}

void TKompForm::Zeigen() {
  fKlasse->setText(Kuerzel(fKomp.Klasse()));
  fVersion->setText(QString::number(fKomp.Version()));
  fHohl->setText(QString::number(fKomp.HohlStunden()));
  fStart->setEnabled(fKomp.StartAn());
  PlanFuellen();
}

// Days across, the periods shown down; each cell the class's first course there: its teacher,
// or its coupling, and its subject.
void TKompForm::PlanFuellen() {
  const int32_t woche = fKomp.Version();
  const auto [tage, stunden] = WochenTabelle(*fPlan, fStandard, woche);
  const TKlasse* klasse = fKomp.Klasse();
  for (int t = 1; t <= tage; ++t) {
    for (int p = 1; p <= stunden; ++p) {
      auto* zelle = new QTableWidgetItem;
      const TKurs* kurs = klasse ? klasse->FindeKurs(woche, t, p) : nullptr;
      if (kurs) {
        zelle->setText(Kuerzel(kurs->fKopplung ? static_cast<const TElement*>(kurs->fKopplung)
                                               : kurs->fLehrer) +
                       QLatin1Char(' ') + Kuerzel(kurs->fFach));
      } else if (klasse && klasse->fSperrung.GetWocheTagStd(woche, t, p)) {
        zelle->setBackground(Qt::lightGray);
      }
      fPlan->setItem(p - 1, t - 1, zelle);
    }
  }
  // The whole week in view.
  int breite = fPlan->verticalHeader()->sizeHint().width() + 2 * fPlan->frameWidth();
  for (int t = 0; t < tage; ++t) breite += fPlan->columnWidth(t);
  int hoehe = fPlan->horizontalHeader()->sizeHint().height() + 2 * fPlan->frameWidth();
  for (int p = 0; p < stunden; ++p) hoehe += fPlan->rowHeight(p);
  fPlan->setMinimumSize(breite, hoehe);
}

void TKompForm::Eingaben() {
  if (fSeitEingaben.isValid() && fSeitEingaben.elapsed() < kEingabenAbstandMs) return;
  QCoreApplication::processEvents();
  fSeitEingaben.restart();
}

void TKompForm::Start() {
  {
    TPlanFensterPause pause(fSchule);
    fSeitEingaben.start();
    fKomp.StartKnopfClick();
  }
  fSchule.FensterAktualisieren();
}

}  // namespace orbato
