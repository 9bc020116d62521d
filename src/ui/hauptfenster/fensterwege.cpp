#include "ui/hauptfenster/fensterwege.h"

#include <algorithm>

#include <QWidget>

#include "model/elemente/klasse.h"
#include "model/elemente/lehrer.h"
#include "model/elemente/raum.h"
#include "model/fenster/planzelle.h"
#include "model/kurse/kurs.h"
#include "ui/stammdaten/kursfenster.h"

namespace orbato {
namespace {

TFensterWege& Wege() {
  static TFensterWege wege;
  return wege;
}

}  // namespace

void FensterWegeSetzen(TFensterWege wege) {
  Wege() = std::move(wege);
}

void RahmenSchliessen(QWidget* fenster) {
  (fenster->parentWidget() ? fenster->parentWidget() : fenster)->close();
}

void RahmenNachVorn(QWidget* fenster) {
  (fenster->parentWidget() ? fenster->parentWidget() : fenster)->raise();
}

void DokumentFensterZeigen(QWidget* fenster) {
  if (Wege().fZeigen) {
    Wege().fZeigen(fenster);
  } else {
    fenster->show();
  }
}

void RahmenVersetzen(QWidget* fenster, int links, int oben) {
  QWidget* rahmen = fenster->parentWidget() ? fenster->parentWidget() : fenster;
  rahmen->move(std::max(links, 0), std::max(oben, 0));
}

void RahmenPlatz(const QWidget* fenster, int& links, int& oben) {
  const QWidget* rahmen = fenster->parentWidget() ? fenster->parentWidget() : fenster;
  links = rahmen->x();
  oben = rahmen->y();
}

void PlanFensterZeigen(TElement* element) {
  ElementFensterZeigen(element, PFenster);
}

void KursPlaeneZeigen(const TKurs& kurs, int32_t tag, int32_t std) {
  const TSetzung* setzung = kurs.SetzungFinden(PlanVersion(), tag, std);
  PlanFensterZeigen(setzung ? setzung->fRaum : nullptr);
  PlanFensterZeigen(kurs.ErsteKlasse());
  PlanFensterZeigen(kurs.fLehrer);
}

void ElementFensterZeigen(TElement* element, TFensterArt art) {
  if (element && Wege().fElement) Wege().fElement(element, art);
}

void KursFensterZeigen(TSchule& schule, TStandard& standard, TKurs* kurs, TListe<TKurs>* vater) {
  if (kurs) TKursForm::Oeffnen(schule, standard, kurs, vater);
}

void LektionZeigen(TSchule& schule, TStandard& standard, TKurs& kurs, TListe<TKurs>* vater,
                   int32_t tag, int32_t std, bool plaene) {
  if (plaene) {
    KursPlaeneZeigen(kurs, tag, std);
  } else {
    KursFensterZeigen(schule, standard, &kurs, vater);
  }
}

}  // namespace orbato
