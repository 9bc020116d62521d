#pragma once

#include <QString>
#include <QStringList>

#include "model/basis/liste.h"
#include "platform/qttext.h"

class QListWidget;
class QToolButton;

namespace orbato {

class TElement;

// Small pieces the element and course windows share for showing short names.

// The short names of a list, in its order.
template <class T>
QStringList KuerzelTexte(const TListe<T>& elemente) {
  QStringList texte;
  for (const T* e : elemente) texte << QtText(e->fKuerzel.str());
  return texte;
}
// Refills a list widget with the texts, keeping its current row and sending no signals.
void ListeSetzen(QListWidget* liste, const QStringList& texte);
// The short name on a button, "ohne" for none.
QString KuerzelOderOhne(const TElement* element);
// A small arrow button of an up/down pair; held down, it repeats.
QToolButton* PfeilKnopf(Qt::ArrowType richtung);

}  // namespace orbato
