#include "ui/voreinstellungen/versionsdialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "platform/qttext.h"
#include "ui/bausteine/dialogknoepfe.h"

namespace orbato {
namespace {

QSpinBox* VersionsFeld(QWidget* eltern, const char* name, const TVersionsWahl& wahl, int wert) {
  auto* feld = new QSpinBox(eltern);
  feld->setObjectName(QString::fromLatin1(name));
  feld->setRange(1, wahl.Versionen());
  feld->setValue(wert);
  return feld;
}

}  // namespace

TVersionsDialog::TVersionsDialog(TSchule& schule, TStandard& standard, QWidget* eltern)
    : QDialog(eltern),
      fWahl(schule, standard),
      fWas(new QButtonGroup(this)),
      fListe(new QListWidget(this)),
      fUmfang(new QButtonGroup(this)),
      fVon(VersionsFeld(this, "von", fWahl, fWahl.Von())),
      fZu(VersionsFeld(this, "zu", fWahl, fWahl.Zu())),
      fKopieren(new QPushButton(QStringLiteral("Kopieren"), this)),
      fGleichzeitig(new QCheckBox(
          QStringLiteral("Aktionen möglichst\nfür alle Planversionen\ngleichzeitig ausführen"),
          this)) {
  setWindowTitle(QStringLiteral("Voreinstellung für Planversionen"));
  auto* was = new QGroupBox(QStringLiteral("Was soll kopiert werden?"), this);
  auto* arten = new QVBoxLayout;
  const auto& texte = TVersionsWahl::WasTexte();
  for (int i = 0; i < static_cast<int>(texte.size()); ++i) {
    auto* knopf = new QRadioButton(QtText(texte[static_cast<std::size_t>(i)]), was);
    fWas->addButton(knopf, i);
    arten->addWidget(knopf);
  }
  arten->addStretch();
  fListe->setObjectName(QStringLiteral("elemente"));
  fListe->setSelectionMode(QAbstractItemView::MultiSelection);
  auto* wasZeile = new QHBoxLayout(was);
  wasZeile->addLayout(arten);
  wasZeile->addWidget(fListe);

  auto* umfang = new QGroupBox(this);
  auto* umfangSpalte = new QVBoxLayout(umfang);
  const char* const umfaenge[] = {"nur Deputate", "auch Pläne"};
  for (int i = 0; i < 2; ++i) {
    auto* knopf = new QRadioButton(QString::fromUtf8(umfaenge[i]), umfang);
    fUmfang->addButton(knopf, i);
    umfangSpalte->addWidget(knopf);
  }
  fUmfang->button(fWahl.AuchPlaene() ? 1 : 0)->setChecked(true);

  auto* versionen = new QFormLayout;
  versionen->addRow(QStringLiteral("von Version"), fVon);
  versionen->addRow(QStringLiteral("zu Version"), fZu);
  versionen->addRow(fKopieren);
  fGleichzeitig->setChecked(fWahl.Gleichzeitig());

  auto* rechts = new QVBoxLayout;
  rechts->addWidget(umfang);
  rechts->addLayout(versionen);
  rechts->addWidget(fGleichzeitig);
  rechts->addStretch();
  auto* oben = new QHBoxLayout;
  oben->addWidget(was, 1);
  oben->addLayout(rechts);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(oben);
  layout->addWidget(OkAbbrechen(this));

  connect(fWas, &QButtonGroup::idClicked, this, [this](int id) { WasGewaehlt(id); });
  connect(fListe, &QListWidget::itemSelectionChanged, this, [this] {
    for (int i = 0; i < fListe->count(); ++i) {
      fWahl.Waehle(static_cast<std::size_t>(i), fListe->item(i)->isSelected());
    }
  });
  connect(fUmfang, &QButtonGroup::idClicked, this,
          [this](int id) { fWahl.SetzeAuchPlaene(id == 1); });
  connect(fVon, &QSpinBox::valueChanged, this, [this] { VersionenGeaendert(); });
  connect(fZu, &QSpinBox::valueChanged, this, [this] { VersionenGeaendert(); });
  connect(fKopieren, &QPushButton::clicked, this, [this] { Kopieren(); });
  connect(fGleichzeitig, &QCheckBox::toggled, this,
          [this](bool an) { fWahl.SetzeGleichzeitig(an); });

  fWas->button(fWahl.Was())->setChecked(true);
  ListeFuellen();
  VersionenGeaendert();
}

void TVersionsDialog::WasGewaehlt(int was) {
  if (was == fWahl.Was()) return;
  fWahl.SetzeWas(static_cast<TVersionsWas>(was));
  ListeFuellen();
}

void TVersionsDialog::ListeFuellen() {
  const QSignalBlocker stumm(fListe);
  fListe->clear();
  for (const std::string& text : fWahl.ElementTexte()) fListe->addItem(QtText(text));
  fListe->setEnabled(fWahl.Was() != kVersAlleKurse);
}

void TVersionsDialog::VersionenGeaendert() {
  fWahl.SetzeVon(fVon->value());
  fWahl.SetzeZu(fZu->value());
  fKopieren->setEnabled(fWahl.KopierenMoeglich());
}

void TVersionsDialog::Kopieren() {
  fWahl.Kopieren();
}

void TVersionsDialog::accept() {
  fModusGeaendert = fWahl.Uebernehmen();
  QDialog::accept();
}

}  // namespace orbato
