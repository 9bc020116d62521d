#include "ui/stammdaten/sollgrunddaten.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include "model/dokument/schule.h"
#include "model/elemente/klasse.h"
#include "model/elemente/lehrer.h"
#include "model/elemente/raum.h"
#include "model/fenster/grunddaten.h"
#include "model/kuerzel/kuerzelmenue.h"
#include "model/uv/stundenwert.h"

namespace orbato {
namespace {

const TRaum* EigenerRaum(const TSollElement& e) {
  if (const auto* l = dynamic_cast<const TLehrer*>(&e)) return l->fRaum;
  if (const auto* k = dynamic_cast<const TKlasse*>(&e)) return k->fRaum;
  return nullptr;
}

}  // namespace

TSollGrForm::TSollGrForm(TSchule& schule, TStandard& standard, TSollElement* element,
                         TFensterTyp typ)
    : TGrForm(schule, standard, element, typ),
      fSoll(new QLabel),
      fSollAuf(PfeilKnopf(Qt::UpArrow)),
      fSollAb(PfeilKnopf(Qt::DownArrow)),
      fIstStunden(new QLabel),
      fIst(new QLabel),
      fRaum(new QPushButton),
      fSollElement(element) {
  connect(fSollAuf, &QToolButton::clicked, this, [this] { SollSchritt(+1); });
  connect(fSollAb, &QToolButton::clicked, this, [this] { SollSchritt(-1); });
  connect(fRaum, &QPushButton::clicked, this, [this] { MenuZeigen(RaumMenu(), fRaum); });
}

void TSollGrForm::SollZeilenAnlegen() {
  auto* soll = new QHBoxLayout;
  soll->addWidget(fSoll);
  soll->addWidget(fSollAuf);
  soll->addWidget(fSollAb);
  soll->addStretch();
  Form()->addRow(QStringLiteral("Soll"), soll);
  auto* ist = new QHBoxLayout;
  ist->addWidget(fIstStunden);
  ist->addWidget(fIst);
  ist->addStretch();
  Form()->addRow(QStringLiteral("Ist"), ist);
  Form()->addRow(QStringLiteral("Raum"), fRaum);
  SperrungAnlegen();
}

void TSollGrForm::Anzeigen() {
  TGrForm::Anzeigen();
  if (Element() == nullptr) return;
  const TSollElement& e = *fSollElement;
  const TKuerzelArt art = e.Art();
  // A class may count a coupling once; a teacher gives every course of it.
  const bool ohneKopp = art == leh || static_cast<const TKlasse&>(e).fKopDop;
  fSoll->setText(QtText(StundenWert(e.GetSoll(-1))));
  fIstStunden->setText(QStringLiteral("( %1 )").arg(e.StundenSumme(-1, ohneKopp, art)));
  fIst->setText(QtText(StundenWert(e.FaktorSumme(-1, ohneKopp, art))));
  fRaum->setText(KuerzelOderOhne(EigenerRaum(e)));
}

void TSollGrForm::SollSchritt(int richtung) {
  if (Element() == nullptr) return;
  fSollElement->AendereSoll(richtung);
  Geaendert();
}

TMenu TSollGrForm::RaumMenu() {
  return KuerzelMenu(
      fSchule, rau,
      [this](TElement* raum) {
        if (Element())
          EigenenRaumWaehlen(*fSollElement, static_cast<TRaum*>(raum), fSchule.Dialog());
      },
      true);
}

}  // namespace orbato
