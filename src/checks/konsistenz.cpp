#include "checks/konsistenz.h"

#include "checks/pruefungen.h"
#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/schnittstellen/dialoge.h"
#include "model/woche/wochbereich.h"

namespace orbato {

void TAbgleich::Laut() {
  Still();
  fDialoge.Piep();
}

void TAbgleich::Still() {
  fBefund.Hebe(kKleinereFehler);
  fGeaendert = true;
}

bool Uebernimm(TWochBereich& ziel, const TWochBereich& quelle) {
  bool geaendert = false;
  const int32_t wochen = Standard().WochenZahl();
  for (int32_t w = 1; w <= wochen; ++w) {
    for (int32_t tag = 1; tag <= kMaxTage; ++tag) {
      const int32_t wort = quelle.GetWocheTag(w, tag);
      if (ziel.GetWocheTag(w, tag) == wort) continue;
      ziel.SetWocheTag(w, tag, wort);
      geaendert = true;
    }
  }
  return geaendert;
}

bool Entsperre(TWochBereich& sperrung, const TWochBereich& besetzung) {
  bool geaendert = false;
  const int32_t wochen = Standard().WochenZahl();
  for (int32_t w = 1; w <= wochen; ++w) {
    for (int32_t tag = 1; tag <= kMaxTage; ++tag) {
      const int32_t gesperrt = sperrung.GetWocheTag(w, tag);
      const int32_t belegt = besetzung.GetWocheTag(w, tag) & static_cast<int32_t>(kStundenBits);
      if ((gesperrt & belegt) == 0) continue;
      sperrung.SetWocheTag(w, tag, gesperrt & ~belegt);
      geaendert = true;
    }
  }
  return geaendert;
}

int KonsistenzTest(TSchule& schule, Dialoge& dialoge, Fehlerausgabe& fehler) {
  TBefund befund(fehler);
  TAbgleich abgleich{befund, dialoge};
  KurseAbgleichen(schule, abgleich);
  LehrerAbgleichen(schule, abgleich);
  KlassenAbgleichen(schule, abgleich);
  RaeumeAbgleichen(schule, abgleich);
  KopplungenPruefen(schule, abgleich);
  if (abgleich.fGeaendert) schule.SetDirty();
  return befund.Stufe();
}

}  // namespace orbato
