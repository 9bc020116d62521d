#include "placement/widerrufen.h"

#include "model/dokument/undo.h"
#include "model/kurse/kurs.h"
#include "placement/setzen.h"

namespace orbato {

void UndoIt(TUndoProtokoll& protokoll, const TUndoElement& e) {
  if (e.fKurs == nullptr) return;
  const bool merken = protokoll.fMerken;
  protokoll.fMerken = false;
  if (e.fArt == weg) {
    NeueSetzung(*e.fKurs, e.fWoche, e.fTag, e.fRaum, e.fStd);
  } else {
    LoescheSetzung(*e.fKurs, e.fWoche, e.fTag, false, e.fStd);
  }
  protokoll.fMerken = merken;
}

void WiderrufenProtokoll(TUndoProtokoll& protokoll) {
  TListe<TUndoElement>& liste = protokoll.fUndoListe;
  while (liste.ListeZahlElemente() > 0) {
    liste.ListeEnde();
    UndoIt(protokoll, *liste.ListeInhalt());
    liste.ListeLoeschen(true);
  }
  if (protokoll.fBefehleAn) protokoll.fBefehleAn(false);
}

}  // namespace orbato
