#include "placement/raeume.h"

#include <string>
#include <vector>

#include "model/basis/zusicherung.h"
#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/elemente/kopplung.h"
#include "model/elemente/raum.h"
#include "model/fenster/fenstertyp.h"
#include "model/kurse/kurs.h"
#include "model/schnittstellen/dialoge.h"
#include "model/schnittstellen/fenster.h"
#include "placement/planzellen.h"
#include "placement/setzen.h"
#include "placement/wochenspanne.h"

namespace orbato {
namespace {

bool RaumBelegtOderGesperrt(const TRaum& raum, int32_t woche, int32_t tag, int32_t std) {
  return raum.fSperrung.GetWocheTagStd(woche, tag, std) ||
         raum.fBesetzung.GetWocheTagStd(woche, tag, std);
}

// A room window showing the placement's version shows the cell anew.
void RaumZelleZeigen(const TRaum& raum, const TSetzung& s, TKurs* kurs) {
  TPlanZellen* zellen = PlanZellen(raum);
  if (zellen == nullptr || zellen->ZellWoche() != s.fWoche) return;
  zellen->ZelleZeigen(s.fTag, s.fStunde, kurs, kurs == nullptr ? ' ' : s.fFixiert ? 'F' : 'N');
}

// A room the course receives through the plan joins its rooms, marked as adopted, and the course
// joins the room's courses.
void RaumUebernehmen(TKurs& kurs, TRaum* raum) {
  if (raum == nullptr || kurs.HatRaum(raum)) return;
  kurs.fRaeume.ListeAnhaengen(raum);
  if (kurs.fRaumErgaenzt.ListeElemNr(raum) == 0) kurs.fRaumErgaenzt.ListeAnhaengen(raum);
  if (raum->fKurse.ListeElemNr(&kurs) == 0) raum->fKurse.ListeEinfuegen(&kurs, KursVergleich);
  Schule().SetDirty();
}

void KursFensterRefresh() {
  for (const auto& [name, fenster] : Schule().fFensterListe) {
    if (fenster && fenster->FensterArt() == Nr(TFensterTyp::Kurs)) fenster->FensterRefresh();
  }
}

// RSetzen in each version of the current selection for every cell the test names.
template <class Markiert>
void RaumInMarkiertenZellen(TKurs& kurs, TRaum* raum, Markiert&& markiert) {
  const TStandard& st = Standard();
  const TWochenSpanne spanne = Wochenspanne();
  for (int32_t tag = 1; tag <= st.fMaxTageNeu; ++tag) {
    for (int32_t std = 1; std <= st.fPlnStd; ++std) {
      if (!markiert(tag, std)) continue;
      for (int32_t w = spanne.von; w <= spanne.bis; ++w) RSetzen(kurs, raum, w, std, tag);
    }
  }
  KursFensterRefresh();
}

}  // namespace

int32_t UeberZeile(int32_t tag, int32_t std) {
  return (tag - 1) * Standard().fPlnStd + std;
}

bool VerplantImRaum(const TKurs& kurs, const TRaum* raum) {
  return raum != nullptr && kurs.HatSetzungIn(raum);
}

bool KursNichtImRaum(TKurs& kurs, TRaum* raum) {
  if (!VerplantImRaum(kurs, raum)) return true;
  const bool entfernen = Schule().Dialog().FrageJaNein(
      "Kurs im Raumplan",
      {"Der Kurs", kurs.OhneRaumZeile(nullptr), "ist schon im Plan", "von Raum",
       raum->fKuerzel.str(), "Soll der Raum trotzdem aus", "dem Kurs entfernt werden?"});
  if (entfernen) {
    for (TSetzung* s : kurs.fSetzungen) {
      if (s->fRaum == raum) EntferneRaumInSetzung(kurs, s);
    }
  }
  return !VerplantImRaum(kurs, raum);
}

void EntferneRaumInSetzung(TKurs& kurs, TSetzung* setzung) {
  if (setzung == nullptr || setzung->fRaum == nullptr) return;
  TRaum* raum = setzung->fRaum;
  TSchule& schule = Schule();
  kurs.MerkeZeit(raum, schule.Jetzt());
  // Clears the room's bit unless another lesson is held in that room there.
  kurs.RaumAusSetzung(setzung);
  RaumZelleZeigen(*raum, *setzung, nullptr);
  PlanFensterAktualisieren(kurs, raum);
  schule.SetDirty();
}

void AendereRaumInSetzung(TKurs& kurs, TSetzung* setzung, TRaum* raum) {
  ORBATO_ASSERT(setzung != nullptr, return );
  EntferneRaumInSetzung(kurs, setzung);
  if (raum == nullptr) return;
  TSchule& schule = Schule();
  kurs.RaumInSetzung(setzung, raum);
  kurs.MerkeZeit(raum, schule.Jetzt());
  RaumZelleZeigen(*raum, *setzung, &kurs);
  PlanFensterAktualisieren(kurs, raum);
  schule.SetDirty();
}

void LoescheRaumInSetzung(TKurs& kurs, int32_t woche, int32_t tag, int32_t std) {
  const TWochenSpanne spanne = Wochen(woche);
  for (int32_t w = spanne.von; w <= spanne.bis; ++w) {
    EntferneRaumInSetzung(kurs, kurs.SetzungFinden(w, tag, std));
  }
}

void RaumAenderung(TKurs& kurs, TRaum* raum, int32_t woche, int32_t std, int32_t tag) {
  TSetzung* s = kurs.SetzungFinden(woche, tag, std);
  if (s == nullptr) return;
  AendereRaumInSetzung(kurs, s, raum);
  RaumUebernehmen(kurs, raum);
}

bool RaumTausch(TKurs& kurs, TKurs& anderer, int32_t woche, int32_t std, int32_t tag) {
  TSetzung* eigene = kurs.SetzungFinden(woche, tag, std);
  TSetzung* fremde = anderer.SetzungFinden(woche, tag, std);
  if (eigene == nullptr || fremde == nullptr) return false;
  const TStandard& st = Standard();
  const std::string zelle = "{" + std::to_string(woche) + "} " + st.fTagName[tag - 1].str() + " " +
                            st.fStdBez[woche - 1][std - 1].str();
  const int antwort = Schule().Dialog().Frage(
      "Raumtausch",
      {"Sollen die R\xE4ume getauscht werden?", kurs.KurzZeile(woche, tag, nullptr, std),
       anderer.KurzZeile(woche, tag, nullptr, std), zelle},
      {"Ok", "Abbrechen"});
  if (antwort != 0) return false;
  TRaum* eigenerRaum = eigene->fRaum;
  TRaum* fremderRaum = fremde->fRaum;
  EntferneRaumInSetzung(kurs, eigene);
  EntferneRaumInSetzung(anderer, fremde);
  if (fremderRaum) {
    AendereRaumInSetzung(kurs, eigene, fremderRaum);
    RaumUebernehmen(kurs, fremderRaum);
  }
  if (eigenerRaum) {
    AendereRaumInSetzung(anderer, fremde, eigenerRaum);
    RaumUebernehmen(anderer, eigenerRaum);
  }
  return true;
}

void RSetzen(TKurs& kurs, TRaum* raum, int32_t woche, int32_t std, int32_t tag) {
  if (kurs.SetzungFinden(woche, tag, std) != nullptr) {
    if (raum == nullptr) {
      LoescheRaumInSetzung(kurs, woche, tag, std);
    } else if (TKurs* drin = raum->FindeKurs(woche, tag, std); drin == nullptr) {
      RaumAenderung(kurs, raum, woche, std, tag);
    } else if (drin != &kurs) {
      RaumTausch(kurs, *drin, woche, std, tag);
    }
  }
  Schule().SetDirty();
}

void RaumSetzen(TKurs& kurs, TRaum* raum, const TPlanZellen& fenster) {
  RaumInMarkiertenZellen(
      kurs, raum, [&](int32_t tag, int32_t std) { return fenster.ZellMarke(tag, std) == 'R'; });
}

void RaumUeberSetzen(TKurs& kurs, TRaum* raum, const TUeberZellen& fenster) {
  RaumInMarkiertenZellen(kurs, raum, [&](int32_t tag, int32_t std) {
    return fenster.ZeilenMarke(UeberZeile(tag, std)) == 'R';
  });
}

void RaumAbgleich(TKurs& kurs) {
  // Rooms used by the plan but not listed do not compete for the main room.
  TRaum* haupt = nullptr;
  int meiste = 0;
  for (TRaum* r : kurs.fRaeume) {
    int zahl = 0;
    for (const TSetzung* s : kurs.fSetzungen) zahl += s->fRaum == r ? 1 : 0;
    if (zahl > meiste) {
      haupt = r;
      meiste = zahl;
    }
  }
  if (haupt == nullptr) return;
  for (TSetzung* s : kurs.fSetzungen) {
    if (s->fFixiert || s->fRaum == haupt) continue;
    if (RaumBelegtOderGesperrt(*haupt, s->fWoche, s->fTag, s->fStunde)) continue;
    AendereRaumInSetzung(kurs, s, haupt);
  }
}

}  // namespace orbato
