#include "model/fenster/planzelle.h"

#include <algorithm>

#include "model/einstellungen/standard.h"
#include "model/elemente/fach.h"
#include "model/elemente/klasse.h"
#include "model/elemente/kopplung.h"
#include "model/elemente/lehrer.h"
#include "model/elemente/planelement.h"
#include "model/elemente/raum.h"
#include "model/kurse/kurs.h"

namespace orbato {
namespace {

std::string Kuerzel(const TElement* e) {
  return e ? e->fKuerzel.str() : std::string();
}

}  // namespace

int32_t PlanVersion(const TStandard& standard) {
  const int32_t w = standard.fAktuelleWoche;
  return w >= 1 && w <= standard.WochenZahl() ? w : 1;
}

int32_t PlanVersion() {
  return PlanVersion(Standard());
}

void PlanBelegungFuellen(const TPlanElement& element, int32_t woche, TPlanBelegung& belegung) {
  for (auto& zeile : belegung.fKurs) zeile.fill(nullptr);
  for (auto& zeile : belegung.fMarke) zeile.fill(' ');
  const bool raumPlan = element.Art() == rau;
  for (TKurs* k : element.fKurse) {
    for (const TSetzung* st : k->fSetzungen) {
      if (st->fWoche != woche || (raumPlan && st->fRaum != &element)) continue;
      if (st->fTag < 1 || st->fTag > kMaxTage || st->fStunde < 1 || st->fStunde > kMaxStunden)
        continue;
      if (belegung.fKurs[st->fTag][st->fStunde]) continue;
      belegung.fKurs[st->fTag][st->fStunde] = k;
      belegung.fMarke[st->fTag][st->fStunde] = st->fFixiert ? 'F' : 'N';
    }
  }
}

std::vector<std::string> PlanZellTexte(const TStandard& standard, TKuerzelArt art,
                                       const TKurs& kurs, const TSetzung& setzung,
                                       bool kopplungZeigen) {
  const bool kopplung = kurs.fKopplung && kopplungZeigen;
  switch (art) {
    case rau:
      return {Kuerzel(kurs.fLehrer),
              kopplung ? Kuerzel(kurs.fKopplung) : Kuerzel(kurs.ErsteKlasse()),
              Kuerzel(kurs.fFach)};
    case kla: {
      std::vector<std::string> texte{kopplung ? Kuerzel(kurs.fKopplung) : Kuerzel(kurs.fLehrer),
                                     Kuerzel(kurs.fFach)};
      if (standard.fMitRaum) texte.push_back(Kuerzel(setzung.fRaum));
      return texte;
    }
    default: {
      std::vector<std::string> texte{
          kopplung ? Kuerzel(kurs.fKopplung) : Kuerzel(kurs.ErsteKlasse()), Kuerzel(kurs.fFach)};
      if (standard.fMitRaum) texte.push_back(Kuerzel(setzung.fRaum));
      return texte;
    }
  }
}

std::vector<int32_t> PlanTeilBreiten(const TStandard& s, TKuerzelArt art) {
  if (art == rau) return {s.fPlnLeBreite, std::max(s.fPlnKlBreite, s.fPlnKoBreite), s.fPlnFaBreite};
  const int32_t erste = art == kla ? std::max(s.fPlnLeBreite, s.fPlnKoBreite)
                                   : std::max(s.fPlnKlBreite, s.fPlnKoBreite);
  std::vector<int32_t> teile{erste, s.fPlnFaBreite};
  if (s.fMitRaum) teile.push_back(s.fPlnRaBreite);
  return teile;
}

TZellBild PlanZellBild(const TStandard& standard, const TPlanElement& element, const TKurs* kurs,
                       int32_t tag, int32_t std, bool kopplungZeigen) {
  TZellBild bild;
  const int32_t woche = PlanVersion(standard);
  const TSetzung* setzung = kurs ? kurs->SetzungFinden(woche, tag, std) : nullptr;
  if (kurs && setzung) {
    bild.fTexte = PlanZellTexte(standard, element.Art(), *kurs, *setzung, kopplungZeigen);
    bild.fKurs = true;
    bild.fFarbe = kurs->fColor;
    bild.fFett = kurs->fKopplung && standard.fPlnKoppFett;
    bild.fUnterstrichen = setzung->fFixiert;
  } else if (element.fSperrung.GetWocheTagStd(woche, tag, std)) {
    bild.fTexte = {"*sperrung*"};
    bild.fGesperrt = true;
  }
  return bild;
}

std::string PlanZellZeile(const TStandard& standard, const TZellBild& bild) {
  const char fuge = standard.fNebenEinander ? ' ' : '\n';
  std::string zeile;
  for (std::size_t i = 0; i < bild.fTexte.size(); ++i) {
    if (i > 0) zeile += fuge;
    zeile += bild.fTexte[i];
  }
  return zeile;
}

}  // namespace orbato
