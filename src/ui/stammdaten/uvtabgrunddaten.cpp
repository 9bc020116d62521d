#include "ui/stammdaten/uvtabgrunddaten.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "model/dokument/schule.h"
#include "model/elemente/fach.h"
#include "model/elemente/klasse.h"
#include "model/elemente/lehrer.h"
#include "model/kuerzel/kuerzelmenue.h"
#include "model/uv/uvtab.h"
#include "ui/bausteine/mehrfachwahl.h"
#include "ui/bausteine/zeilenhoehe.h"
#include "ui/hauptfenster/fensterwege.h"

namespace orbato {
namespace {

QString ListenTitel(TKuerzelArt art) {
  return art == leh   ? QStringLiteral("UV-Lehrer")
         : art == kla ? QStringLiteral("UV-Klassen")
                      : QString::fromUtf8("UV-Fächer");
}

QString KnopfText(TKuerzelArt art) {
  return art == leh   ? QStringLiteral("Neuer Lehrer")
         : art == kla ? QStringLiteral("Neue Klasse")
                      : QStringLiteral("Neues Fach");
}

template <class T>
std::vector<TElement*> Gewaehlt(QWidget* eltern, const QString& titel, const TListe<T>& menge) {
  const std::vector<T*> elemente = ElementeWaehlen(eltern, titel, menge);
  return {elemente.begin(), elemente.end()};
}

}  // namespace

TUVGrForm::TUVGrForm(TSchule& schule, TStandard& standard, TUVTab* tabelle)
    : TGrForm(schule, standard, tabelle, TFensterTyp::UVGrunddaten),
      fKlassenFaecher(new QRadioButton(QString::fromUtf8("Klassen/Fächer"))),
      fLehrerKlassen(new QRadioButton(QStringLiteral("Lehrer/Klassen"))),
      fMatrix(new QPushButton(QStringLiteral("Tabelle zeigen"))),
      fTab(tabelle) {
  Form()->addRow(QStringLiteral("Info"), fInfo);
  auto* richtung = new QGroupBox(QStringLiteral("Zeilen/Spalten"));
  auto* knoepfe = new QVBoxLayout(richtung);
  knoepfe->addWidget(fKlassenFaecher);
  knoepfe->addWidget(fLehrerKlassen);
  auto* gruppe = new QButtonGroup(this);
  gruppe->addButton(fKlassenFaecher);
  gruppe->addButton(fLehrerKlassen);
  Form()->addRow(richtung);
  auto* listen = new QGridLayout;
  for (int seite = 0; seite < 2; ++seite) {
    fTitel[seite] = new QLabel;
    fListe[seite] = TextListe();
    fNeu[seite] = new QPushButton;
    listen->addWidget(fTitel[seite], 0, seite);
    listen->addWidget(fListe[seite], 1, seite);
    listen->addWidget(fNeu[seite], 2, seite);
    connect(fNeu[seite], &QPushButton::clicked, this, [this, seite] {
      NeuKlick(seite, QGuiApplication::keyboardModifiers() & Qt::ControlModifier);
    });
    connect(fListe[seite], &QListWidget::itemDoubleClicked, this,
            [this, seite](QListWidgetItem* item) { Doppelklick(seite, fListe[seite]->row(item)); });
  }
  Form()->addRow(listen);
  Form()->addRow(fMatrix);
  connect(fKlassenFaecher, &QRadioButton::toggled, this,
          [this](bool an) { AusrichtungSetzen(an); });
  connect(fMatrix, &QPushButton::clicked, this, [this] {
    if (Element()) ElementFensterZeigen(fTab, DFenster);
  });
  fWaehlen = [this](TKuerzelArt art) {
    const QString titel = ListenTitel(art);
    if (art == leh) return Gewaehlt(this, titel, fSchule.fLehrerMenge);
    if (art == kla) return Gewaehlt(this, titel, fSchule.fKlassenMenge);
    return Gewaehlt(this, titel, fSchule.fFachMenge);
  };
  Anzeigen();
}

TKuerzelArt TUVGrForm::SeitenArt(int seite) const {
  if (fTab->fIstFach) return seite == 0 ? kla : fac;
  return seite == 0 ? leh : kla;
}

void TUVGrForm::Anzeigen() {
  TGrForm::Anzeigen();
  if (Element() == nullptr) return;
  {
    const QSignalBlocker sperre1(fKlassenFaecher);
    const QSignalBlocker sperre2(fLehrerKlassen);
    (fTab->fIstFach ? fKlassenFaecher : fLehrerKlassen)->setChecked(true);
  }
  for (int seite = 0; seite < 2; ++seite) {
    const TKuerzelArt art = SeitenArt(seite);
    fTitel[seite]->setText(ListenTitel(art));
    fNeu[seite]->setText(KnopfText(art));
    ListeSetzen(fListe[seite], art == leh   ? KuerzelTexte(fTab->fLehrer)
                               : art == kla ? KuerzelTexte(fTab->fKlassen)
                                            : KuerzelTexte(fTab->fFaecher));
  }
}

void TUVGrForm::Aufnehmen(TElement* element) {
  if (Element() == nullptr || element == nullptr) return;
  if (element->Art() == leh) fTab->NeuerLehrer(static_cast<TLehrer*>(element));
  if (element->Art() == kla) fTab->NeueKlasse(static_cast<TKlasse*>(element));
  if (element->Art() == fac) fTab->NeuesFach(static_cast<TFach*>(element));
}

TMenu TUVGrForm::NeuMenu(int seite) {
  return KuerzelMenu(fSchule, SeitenArt(seite), [this](TElement* e) { Aufnehmen(e); });
}

void TUVGrForm::NeuKlick(int seite, bool ctrl) {
  if (Element() == nullptr) return;
  if (!ctrl) {
    MenuZeigen(NeuMenu(seite), fNeu[seite]);
    return;
  }
  const std::vector<TElement*> gewaehlt = fWaehlen(SeitenArt(seite));
  if (gewaehlt.empty() || Element() == nullptr) return;
  for (TElement* e : gewaehlt) Aufnehmen(e);
  Geaendert();
}

void TUVGrForm::Doppelklick(int seite, int zeile) {
  if (Element() == nullptr || fSchule.fToolArt != LoeschTool) return;
  const int32_t nr = zeile + 1;
  bool entfernt = false;
  switch (SeitenArt(seite)) {
    case leh:
      entfernt = fTab->LehrerEntfernen(fTab->fLehrer.ListeNrInhalt(nr));
      break;
    case kla:
      entfernt = fTab->KlasseEntfernen(fTab->fKlassen.ListeNrInhalt(nr));
      break;
    default:
      entfernt = fTab->FachEntfernen(fTab->fFaecher.ListeNrInhalt(nr));
      break;
  }
  if (entfernt) Geaendert();
}

void TUVGrForm::AusrichtungSetzen(bool istFach) {
  if (Element() == nullptr || fTab->fIstFach == istFach) return;
  fTab->SetIstFach(istFach);
  Geaendert();
}

}  // namespace orbato
