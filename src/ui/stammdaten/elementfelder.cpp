#include "ui/stammdaten/elementfelder.h"

#include <QListWidget>
#include <QSignalBlocker>
#include <QToolButton>

#include "model/elemente/element.h"

namespace orbato {

void ListeSetzen(QListWidget* liste, const QStringList& texte) {
  const QSignalBlocker sperre(liste);
  const int zeile = liste->currentRow();
  liste->clear();
  liste->addItems(texte);
  if (zeile >= 0 && zeile < liste->count()) liste->setCurrentRow(zeile);
}

QString KuerzelOderOhne(const TElement* element) {
  return element ? QtText(element->fKuerzel.str()) : QStringLiteral("ohne");
}

QToolButton* PfeilKnopf(Qt::ArrowType richtung) {
  auto* knopf = new QToolButton;
  knopf->setArrowType(richtung);
  knopf->setAutoRepeat(true);
  return knopf;
}

}  // namespace orbato
