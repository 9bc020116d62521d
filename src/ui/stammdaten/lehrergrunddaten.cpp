#include "ui/stammdaten/lehrergrunddaten.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include "model/dokument/schule.h"
#include "model/elemente/fach.h"
#include "model/elemente/lehrer.h"
#include "model/kuerzel/kuerzelmenue.h"
#include "ui/bausteine/mehrfachwahl.h"
#include "ui/bausteine/zeilenhoehe.h"

namespace orbato {

TLeGrForm::TLeGrForm(TSchule& schule, TStandard& standard, TLehrer* lehrer)
    : TSollGrForm(schule, standard, lehrer, TFensterTyp::LehrerGrunddaten),
      fFaecher(TextListe()),
      fNeuesFach(new QPushButton(QStringLiteral("Neues Fach"))),
      fFreierTag(new QCheckBox(QStringLiteral("freier Tag"))),
      fLehrer(lehrer) {
  SollZeilenAnlegen();
  Form()->addRow(QStringLiteral("Info"), fInfo);
  Form()->addRow(QString::fromUtf8("Fächer"), fFaecher);
  Form()->addRow(QString(), fNeuesFach);
  Form()->addRow(QString(), fFreierTag);
  connect(fNeuesFach, &QPushButton::clicked, this,
          [this] { NeuesFachKlick(QGuiApplication::keyboardModifiers() & Qt::ControlModifier); });
  connect(fFaecher, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { FachDoppelklick(fFaecher->row(item)); });
  connect(fFreierTag, &QCheckBox::toggled, this, [this](bool an) {
    fLehrer->SetfreierTag(an);
    Geaendert();
  });
  fFaecherWaehlen = [this] { return FaecherWaehlen(this, fSchule); };
  Anzeigen();
}

void TLeGrForm::Anzeigen() {
  TSollGrForm::Anzeigen();
  if (Element() == nullptr) return;
  ListeSetzen(fFaecher, KuerzelTexte(fLehrer->fFaecher));
  const QSignalBlocker sperre(fFreierTag);
  fFreierTag->setChecked(fLehrer->fFreierTag);
}

TMenu TLeGrForm::FachMenu() {
  return KuerzelMenu(fSchule, fac, [this](TElement* fach) {
    if (Element()) fLehrer->NeuesFach(static_cast<TFach*>(fach));
  });
}

void TLeGrForm::NeuesFachKlick(bool ctrl) {
  if (!ctrl) {
    MenuZeigen(FachMenu(), fNeuesFach);
    return;
  }
  const std::vector<TFach*> faecher = fFaecherWaehlen();
  if (faecher.empty() || Element() == nullptr) return;
  for (TFach* f : faecher) fLehrer->NeuesFach(f);
  Geaendert();
}

void TLeGrForm::FachDoppelklick(int zeile) {
  if (Element() == nullptr || fSchule.fToolArt != LoeschTool) return;
  TFach* fach = fLehrer->fFaecher.ListeNrInhalt(zeile + 1);
  if (fach == nullptr) return;
  // Refused, with a message, while he still has lessons of the subject.
  if (fLehrer->FachEntfernen(fach)) Geaendert();
}

}  // namespace orbato
