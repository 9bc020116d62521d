#pragma once

#include <QString>
#include <vector>

#include "model/basis/liste.h"
#include "platform/qttext.h"

class QWidget;

namespace orbato {

class TFach;
class TKlasse;
class TSchule;

// A multiple choice over short names in the given order: answers the 0-based positions chosen,
// none when cancelled.
std::vector<int> MehrfachWahl(QWidget* eltern, const QString& titel, const QStringList& texte);

// The same over every element of a document list, answering the elements chosen.
template <class T>
std::vector<T*> ElementeWaehlen(QWidget* eltern, const QString& titel, const TListe<T>& menge) {
  std::vector<T*> elemente;
  QStringList texte;
  for (T* e : menge) {
    elemente.push_back(e);
    texte << QtText(e->fKuerzel.str());
  }
  std::vector<T*> gewaehlt;
  for (int i : MehrfachWahl(eltern, titel, texte)) gewaehlt.push_back(elemente[i]);
  return gewaehlt;
}

// "Klassen": every class of the document.
std::vector<TKlasse*> KlassenWaehlen(QWidget* eltern, const TSchule& schule);
// "Fächer": every subject of the document.
std::vector<TFach*> FaecherWaehlen(QWidget* eltern, const TSchule& schule);

}  // namespace orbato
