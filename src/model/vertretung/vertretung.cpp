#include "model/vertretung/vertretung.h"

#include <utility>

#include "model/dokument/schule.h"
#include "model/schnittstellen/fenster.h"

namespace orbato {

void VertretungVergessen(TVertretung* v) {
  TListe<TVertretung>& alle = Schule().fVertretungsMenge;
  while (alle.ListeElemEnthalten(v)) alle.ListeLoeschen(false);
  // Partners read from a file need not point back, so every link to the record is looked for.
  for (TVertretung* andere : alle) {
    if (andere->fVon == v) andere->fVon = nullptr;
    if (andere->fZu == v) andere->fZu = nullptr;
  }
  v->fVon = v->fZu = nullptr;
}

void VertretungFreigeben(TVertretung* v) {
  if (v == nullptr) return;
  if (v->fFenster) v->fFenster->FensterSchliessen();
  if (v->fVon && v->fVon->fZu == v) v->fVon->fZu = nullptr;
  TVertretung* zu = std::exchange(v->fZu, nullptr);
  if (zu && zu->fVon == v) {
    zu->fVon = nullptr;
    VertretungFreigeben(zu);
  }
  VertretungVergessen(v);
  if (v->fSetzung) {
    TListe<TVertretung>& eigene = v->fSetzung->fVertretungen;
    while (eigene.ListeElemEnthalten(v)) eigene.ListeLoeschen(false);
  }
  delete v;
}

}  // namespace orbato
