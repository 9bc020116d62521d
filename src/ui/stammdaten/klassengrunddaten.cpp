#include "ui/stammdaten/klassengrunddaten.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>

#include "model/dokument/schule.h"
#include "model/elemente/klasse.h"
#include "model/elemente/lehrer.h"
#include "model/fenster/grunddaten.h"
#include "model/kuerzel/kuerzelmenue.h"
#include "model/kurse/kurs.h"
#include "model/schnittstellen/dialoge.h"
#include "ui/bausteine/zeilenhoehe.h"
#include "ui/hauptfenster/fensterwege.h"
#include "ui/stammdaten/kursuebernahme.h"

namespace orbato {
TKlGrForm::TKlGrForm(TSchule& schule, TStandard& standard, TKlasse* klasse)
    : TSollGrForm(schule, standard, klasse, TFensterTyp::KlassenGrunddaten),
      fLehrer1(new QPushButton),
      fLehrer2(new QPushButton),
      fKurse(TextListe()),
      fKursAuf(PfeilKnopf(Qt::UpArrow)),
      fKursAb(PfeilKnopf(Qt::DownArrow)),
      fNeuerKurs(new QPushButton(QStringLiteral("Neuer Kurs"))),
      fUebernehmen(new QPushButton(QString::fromUtf8("Übernehmen"))),
      fEinfach(new QCheckBox(QStringLiteral("einfach"))),
      fKlasse(klasse) {
  SollZeilenAnlegen();
  Form()->addRow(QStringLiteral("Info"), fInfo);
  auto* lehrer = new QHBoxLayout;
  lehrer->addWidget(fLehrer1);
  lehrer->addWidget(fLehrer2);
  Form()->addRow(QStringLiteral("Lehrer"), lehrer);
  auto* kurse = new QGridLayout;
  kurse->addWidget(fKurse, 0, 0, 3, 1);
  kurse->addWidget(fKursAuf, 0, 1);
  kurse->addWidget(fKursAb, 1, 1);
  Form()->addRow(QStringLiteral("Kurse"), kurse);
  Form()->addRow(QString(), fNeuerKurs);
  Form()->addRow(QString(), fUebernehmen);
  Form()->addRow(QString(), fEinfach);
  connect(fLehrer1, &QPushButton::clicked, this, [this] { MenuZeigen(LehrerMenu(1), fLehrer1); });
  connect(fLehrer2, &QPushButton::clicked, this, [this] { MenuZeigen(LehrerMenu(2), fLehrer2); });
  connect(fKursAuf, &QToolButton::clicked, this, [this] { KursStunden(+1); });
  connect(fKursAb, &QToolButton::clicked, this, [this] { KursStunden(-1); });
  connect(fKurse, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem*) {
    if (TKurs* kurs = GewaehlterKurs())
      KursFensterZeigen(fSchule, fStandard, kurs, &fKlasse->fKurse);
  });
  connect(fNeuerKurs, &QPushButton::clicked, this, [this] { NeuerKurs(); });
  connect(fUebernehmen, &QPushButton::clicked, this, [this] { Uebernehmen(); });
  connect(fEinfach, &QCheckBox::toggled, this, [this](bool an) {
    fKlasse->SetKopDop(!an);
    Geaendert();
  });
  Anzeigen();
}

void TKlGrForm::Anzeigen() {
  TSollGrForm::Anzeigen();
  if (Element() == nullptr) return;
  fLehrer1->setText(KuerzelOderOhne(fKlasse->fLehrer1));
  fLehrer2->setText(KuerzelOderOhne(fKlasse->fLehrer2));
  QStringList kurse;
  for (const TKurs* k : fKlasse->fKurse) {
    kurse << QStringLiteral("%1  %2")
                 .arg(k->fStunden.GetWochenStunde(-1), 3)
                 .arg(QtText(k->OhneRaumZeile(fKlasse)));
  }
  ListeSetzen(fKurse, kurse);
  const QSignalBlocker sperre(fEinfach);
  fEinfach->setChecked(!fKlasse->fKopDop);
}

TMenu TKlGrForm::LehrerMenu(int nr) {
  return KuerzelMenu(
      fSchule, leh,
      [this, nr](TElement* e) {
        if (Element() == nullptr) return;
        auto* lehrer = static_cast<TLehrer*>(e);
        if (nr == 1 && lehrer != fKlasse->fLehrer1) fKlasse->SetLehrer1(lehrer);
        if (nr == 2 && lehrer != fKlasse->fLehrer2) fKlasse->SetLehrer2(lehrer);
      },
      true);
}

TKurs* TKlGrForm::GewaehlterKurs() const {
  return Element() ? fKlasse->fKurse.ListeNrInhalt(fKurse->currentRow() + 1) : nullptr;
}

void TKlGrForm::KursStunden(int richtung) {
  TKurs* kurs = GewaehlterKurs();
  if (kurs == nullptr) return;
  if (KursStundenSchritt(fSchule, fStandard, *kurs, richtung)) {
    Geaendert();
  } else {
    fSchule.Dialog().Piep();
  }
}

void TKlGrForm::NeuerKurs() {
  if (Element() == nullptr) return;
  TKurs* kurs = fKlasse->NeuerKurs();
  Geaendert();
  fKurse->setCurrentRow(fKlasse->fKurse.ListeElemNr(kurs) - 1);
  KursFensterZeigen(fSchule, fStandard, kurs, &fKlasse->fKurse);
}

void TKlGrForm::Uebernehmen() {
  if (Element() == nullptr || !UebernahmeErlaubt(*fKlasse, fSchule.Dialog())) return;
  TKursUebernahmeDialog dialog(fSchule, fKlasse, this);
  if (dialog.exec() != QDialog::Accepted || Element() == nullptr) return;
  TKlasse* quelle = dialog.Quelle();
  if (quelle == nullptr || quelle == fKlasse) return;
  KurseUebernehmen(fSchule, fStandard, *fKlasse, *quelle, dialog.Art(), dialog.Klassenraum());
  Geaendert();
}

}  // namespace orbato
