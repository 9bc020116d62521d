#include "ui/fensterwege.h"

#include <QWidget>

#include "ui/kursfenster.h"

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

void PlanFensterZeigen(TElement* element) {
  ElementFensterZeigen(element, PFenster);
}

void ElementFensterZeigen(TElement* element, TFensterArt art) {
  if (element && Wege().fElement) Wege().fElement(element, art);
}

void KursFensterZeigen(TKurs* kurs, TListe<TKurs>* vater) {
  if (kurs) TKursForm::Oeffnen(kurs, vater);
}

}  // namespace orbato
