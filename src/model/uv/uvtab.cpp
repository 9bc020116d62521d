#include "model/uv/uvtab.h"

#include "model/elemente/fach.h"
#include "model/elemente/klasse.h"
#include "model/elemente/lehrer.h"

namespace orbato {

TUVTab::~TUVTab() = default;

void TUVTab::SetIstFach(bool istFach) {
  fIstFach = istFach;
  Geaendert();
}

// The windows are redrawn only when the list changed; the dirty mark is set in any case, as the
// set-up window expects after each of its buttons.
template <class T>
bool TUVTab::Aufnehmen(TListe<T>& liste, T* element) {
  const bool neu = element != nullptr && liste.ListeElemNr(element) == 0;
  if (neu) {
    liste.ListeEinfuegen(element, ReihenVergleich);
    FensterRefresh();
  }
  Geaendert();
  return neu;
}

template <class T>
bool TUVTab::Herausnehmen(TListe<T>& liste, T* element) {
  const bool da = element != nullptr && liste.ListeElemEnthalten(element);
  if (da) {
    liste.ListeLoeschen(false);
    FensterRefresh();
  }
  Geaendert();
  return da;
}

bool TUVTab::NeuerLehrer(TLehrer* lehrer) {
  return Aufnehmen(fLehrer, lehrer);
}
bool TUVTab::NeueKlasse(TKlasse* klasse) {
  return Aufnehmen(fKlassen, klasse);
}
bool TUVTab::NeuesFach(TFach* fach) {
  return Aufnehmen(fFaecher, fach);
}
bool TUVTab::LehrerEntfernen(TLehrer* lehrer) {
  return Herausnehmen(fLehrer, lehrer);
}
bool TUVTab::KlasseEntfernen(TKlasse* klasse) {
  return Herausnehmen(fKlassen, klasse);
}
bool TUVTab::FachEntfernen(TFach* fach) {
  return Herausnehmen(fFaecher, fach);
}

}  // namespace orbato
