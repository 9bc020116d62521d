#include "model/dokument/undo.h"

#include "model/kurse/setzung.h"

namespace orbato {

void TUndoProtokoll::Merke(TKurs* kurs, const TSetzung& setzung, TUndoArt art) {
  if (!fMerken) return;
  auto* e = new TUndoElement;
  e->SetArt(art);
  e->SetWoche(setzung.fWoche);
  e->SetTag(setzung.fTag);
  e->SetStd(setzung.fStunde);
  e->SetRaum(setzung.fRaum);
  e->SetFix(setzung.fFixiert);
  e->SetKurs(kurs);
  fUndoListe.ListeAnhaengen(e);
  if (art == weg && fKursVormerken) fKursVormerken(kurs);
  if (fBefehleAn) fBefehleAn(true);
}

void TUndoProtokoll::KursLoeschen(const TKurs* kurs) {
  for (int32_t i = fUndoListe.ListeZahlElemente(); i >= 1; --i) {
    if (fUndoListe.ListeNrInhalt(i)->fKurs == kurs) {
      fUndoListe.fAktuell = i - 1;
      fUndoListe.ListeLoeschen(true);
    }
  }
}

void TUndoProtokoll::RaumLoeschen(const TRaum* raum) {
  for (TUndoElement* e : fUndoListe) {
    if (e->fRaum == raum) e->SetRaum(nullptr);
  }
}

void TUndoProtokoll::Loeschen() {
  fUndoListe.ListeEntfernen(true);
  if (fBefehleAn) fBefehleAn(false);
}

}  // namespace orbato
