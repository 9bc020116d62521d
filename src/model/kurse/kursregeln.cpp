#include <algorithm>

#include "model/dokument/schule.h"
#include "model/kurse/kurs.h"
#include "model/schnittstellen/dialoge.h"

namespace orbato {

bool TKurs::NichtVerplant() {
  if (fSetzungen.ListeZahlElemente() == 0) return true;
  const bool loeschen = Schule().Dialog().FrageJaNein(
      "Kurs ist verplant", {"Der Kurs", KurzZeile(0, 0, nullptr, 0), "ist schon verplant und kann",
                            "deshalb nicht ver\xE4ndert werden.", "Sollen die verplanten Stunden ",
                            "in den Pl\xE4nen gel\xF6scht werden?"});
  if (loeschen) AlleSetzungenAufgeben();
  return fSetzungen.ListeZahlElemente() == 0;
}

bool TKurs::SetzeStunden(int32_t stunden) {
  const TStandard& s = Standard();
  bool zuWenig = false;
  for (int32_t w = s.ErsteAuswahlWoche(); w <= s.LetzteAuswahlWoche(); ++w)
    zuWenig = zuWenig || stunden < VerplanteStunden(w);
  if (zuWenig && !NichtVerplant()) return false;
  fStunden.SetWochenStunde(-1, stunden);
  Schule().SetDirty();
  return true;
}

int32_t TKurs::AnzeigeStunden() const {
  const TStandard& s = Standard();
  return s.fEineWoche ? fStunden.GetWochenStunde(s.fAktuelleWoche)
                      : fStunden.GetWochenStunde(0) / s.WochenZahl();
}

void TKurs::SetzeStdProTag(int32_t stdProTag) {
  const int32_t stunden = AnzeigeStunden();
  SetStdProTag(stdProTag);
  if (stunden <= 0) return;
  const int32_t einzeln = stdProTag <= 1 ? stunden : stunden % stdProTag;
  SetEinzelStd(std::clamp(einzeln, 0, Standard().fMaxTageNeu));
}

bool TKurs::SetzeNichtVerplanen(bool nichtVerplanen) {
  if (fSetzungen.ListeZahlElemente() > 0) return false;
  SetnichtVerplanen(nichtVerplanen);
  if (!nichtVerplanen) EntferneNegativeStunden();
  TListe<TKurs>& kurse = Schule().fKursMenge;
  if (kurse.ListeElemEnthalten(this)) {
    kurse.ListeLoeschen(false);
    BerechneReihe();
    kurse.ListeEinfuegen(this, KursVergleich);
  }
  return true;
}

void TKurs::SperrungZiehen(int32_t vonTag, int32_t vonStd, int32_t bisTag, int32_t bisStd) {
  orbato::SperrungZiehen(fSperrung, fBesetzung, vonTag, vonStd, bisTag, bisStd);
  Schule().SetDirty();
}

void TKurs::RaeumeTauschen(int32_t a, int32_t b) {
  if (a == b) return;
  fRaeume.ListeTauschen(a, b);
  Schule().SetDirty();
}

}  // namespace orbato
