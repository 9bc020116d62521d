#include "model/elemente/kopplung.h"

#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/elemente/lehrer.h"
#include "model/kurse/kurs.h"
#include "model/schnittstellen/dialoge.h"

namespace orbato {

TKurs* TKopplung::GroessterKopplungsKurs(int32_t woche, bool mitFaktor) const {
  TKurs* groesster = nullptr;
  int64_t bester = 0;
  for (TKurs* k : fKurse) {
    const int64_t wert = int64_t{k->fStunden.GetWochenStunde(woche)} * (mitFaktor ? k->fFaktor : 1);
    if (groesster == nullptr || wert > bester) {
      groesster = k;
      bester = wert;
    }
  }
  return groesster;
}

TKurs* TKopplung::NeuerKurs() {
  auto* kurs = new TKurs;
  kurs->IKurs(nullptr, nullptr, Standard().fKursStd, nullptr, nullptr, this);
  return kurs;
}

bool TKopplung::IstVerplant() const {
  for (const TKurs* k : fKurse) {
    if (!k->fNichtVerplanen && k->VerplanteStunden(-1) < k->fStunden.GetWochenStunde(-1)) {
      return false;
    }
  }
  return true;
}

bool TKopplung::LehrerDoppelt(const TElement* lehrer) const {
  int zahl = 0;
  for (const TKurs* k : fKurse) {
    if (lehrer && static_cast<const TElement*>(k->fLehrer) == lehrer) ++zahl;
  }
  return zahl >= 2;
}

void TKopplung::LeKopDoppeltTest(const TElement* lehrer) const {
  if (!LehrerDoppelt(lehrer)) return;
  Schule().Dialog().Nachricht(
      "Lehrer doppelt in Kopplung",
      {lehrer->fKuerzel.str(), "ist mehrfach in", fKuerzel.str(), "Kopplung"},
      TMeldungsArt::Warnung);
}

}  // namespace orbato
