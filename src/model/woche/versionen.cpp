#include "model/woche/versionen.h"

#include <algorithm>
#include <vector>

#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/schnittstellen/dialoge.h"

namespace orbato {
namespace {

// Every week range and hour list the document holds, so that growing and shrinking cannot miss
// one: the school-wide ranges, the courses' and the plan elements' grids, the targets.
template <class Bereich, class Stunden>
void AlleBereiche(TSchule& schule, Bereich&& bereich, Stunden&& stunden) {
  bereich(schule.fGrWoBereich);
  bereich(schule.fUEWoBereich);
  for (TKurs* k : schule.fKursMenge) {
    bereich(k->fSperrung);
    bereich(k->fBesetzung);
    bereich(k->fSetzungUnmoeglich);
    stunden(k->fStunden);
  }
  const auto planElement = [&](TPlanElement* e) {
    bereich(e->fSperrung);
    bereich(e->fBesetzung);
  };
  for (TLehrer* l : schule.fLehrerMenge) {
    planElement(l);
    stunden(l->fSoll);
  }
  for (TKlasse* k : schule.fKlassenMenge) {
    planElement(k);
    stunden(k->fSoll);
  }
  for (TRaum* r : schule.fRaumMenge) planElement(r);
}

void SetzeWochenZahl(TSchule& schule, int32_t wochen) {
  AlleBereiche(
      schule, [&](TWochBereich& b) { b.SetWochenZahl(wochen); },
      [&](TWochenStunden& s) { s.SetWochenZahl(wochen); });
}

// The placements that match, taken before any of them goes, since giving one up changes the
// course's list.
template <class Bedingung>
std::vector<std::pair<TKurs*, TSetzung*>> Setzungen(const TSchule& schule, Bedingung&& passt) {
  std::vector<std::pair<TKurs*, TSetzung*>> treffer;
  for (TKurs* k : schule.fKursMenge) {
    for (TSetzung* s : k->fSetzungen) {
      if (passt(*s)) treffer.emplace_back(k, s);
    }
  }
  return treffer;
}

void Erweitern(TSchule& schule, TStandard& standard, int32_t wochen) {
  wochen = std::clamp(wochen, 1, kMaxWochen);
  const int32_t alt = standard.WochenZahl();
  if (wochen <= alt) return;
  SetzeWochenZahl(schule, wochen);
  for (int32_t w = alt + 1; w <= wochen; ++w) {
    schule.fGrWoBereich.SetWoche(w, standard.fGrWoElem);
    schule.fUEWoBereich.SetWoche(w, standard.fKuWoElem);
  }
  standard.SetMaxWocheNeu(wochen);
  schule.SetDirty();
}

bool Verkleinern(TSchule& schule, TStandard& standard, int32_t wochen) {
  wochen = std::clamp(wochen, 1, kMaxWochen);
  if (wochen >= standard.WochenZahl()) return true;
  const auto weg = Setzungen(schule, [wochen](const TSetzung& s) { return s.fWoche > wochen; });
  if (!weg.empty() &&
      !schule.Dialog().FrageJaNein(
          "Planversionen",
          {"In den zu l\xF6schenden Planversionen sind Stunden verplant. Trotzdem l\xF6schen?"},
          TMeldungsArt::Warnung)) {
    return false;
  }
  // The placements go while their versions still exist, so that their occupancy is cleared.
  for (const auto& [kurs, setzung] : weg) kurs->SetzungAufgeben(setzung);
  SetzeWochenZahl(schule, wochen);
  for (uint8_t& version : schule.fKalender) {
    if (version > wochen) version = 1;
  }
  standard.SetMaxWocheNeu(wochen);
  schule.SetDirty();
  return true;
}

int32_t Reduzieren(TSchule& schule, TStandard& standard, int32_t tage) {
  tage = std::clamp(tage, 5, kMaxTage);
  const int32_t belegt = GroessterBelegterTag(schule);
  if (belegt > tage) {
    const bool loeschen = schule.Dialog().FrageJaNein(
        "Stunden l\xF6schen",
        {"Es sind f\xFCr", tage == 6 ? "Sonntag" : "Samstag oder Sonntag",
         "Stunden in den Pl\xE4nen  eingetragen.", "Sollen diese Stunden gel\xF6scht werden?"});
    if (loeschen) {
      for (const auto& [kurs, setzung] :
           Setzungen(schule, [tage](const TSetzung& s) { return s.fTag > tage; })) {
        kurs->SetzungAufgeben(setzung);
      }
    } else {
      tage = belegt;
    }
  }
  standard.SetMaxTageNeu(tage);
  return standard.fMaxTageNeu;
}

}  // namespace

int32_t GroessterBelegterTag(const TSchule& schule) {
  int32_t tag = 5;
  for (const TKurs* k : schule.fKursMenge) {
    for (const TSetzung* s : k->fSetzungen) tag = std::max(tag, s->fTag);
  }
  return tag;
}

void VersionErweitern(TSchule& schule, int32_t wochen) {
  Erweitern(schule, Standard(), wochen);
}

bool VersionVerkleinern(TSchule& schule, int32_t wochen) {
  return Verkleinern(schule, Standard(), wochen);
}

int32_t TageReduzieren(TSchule& schule, int32_t tage) {
  return Reduzieren(schule, Standard(), tage);
}

TEckdaten EckdatenAus(const TStandard& standard) {
  TEckdaten werte;
  werte.fTage = standard.fMaxTageNeu;
  werte.fPlnStd = standard.fPlnStd;
  werte.fVersionen = standard.fMaxWocheNeu;
  werte.fDivisor = standard.fDivisor;
  werte.fVorKomma = standard.fVorKomma;
  werte.fNachKomma = standard.fNachKomma;
  werte.fVertrMerke = standard.fVertrMerke;
  werte.fSpeicherZeit = standard.fSpeicherZeit;
  return werte;
}

void EckdatenUebernehmen(TSchule& schule, TStandard& standard, const TEckdaten& werte) {
  const int32_t versionen = std::clamp(werte.fVersionen, 1, kMaxWochen);
  // The history names versions and days that may no longer be there.
  if (versionen != standard.WochenZahl() || werte.fTage != standard.fMaxTageNeu) {
    schule.fVerlauf.Leeren();
  }
  if (versionen > standard.WochenZahl()) {
    Erweitern(schule, standard, versionen);
  } else if (versionen < standard.WochenZahl()) {
    Verkleinern(schule, standard, versionen);
  }
  Reduzieren(schule, standard, werte.fTage);
  standard.fPlnStd = std::clamp(werte.fPlnStd, 1, kMaxStunden);
  standard.fDivisor = std::clamp(werte.fDivisor, 1, 100);
  standard.fVorKomma = std::clamp(werte.fVorKomma, 1, 3);
  standard.fNachKomma = std::clamp(werte.fNachKomma, 0, 3);
  standard.fVertrMerke = std::clamp(werte.fVertrMerke, 0, 9999);
  standard.fSpeicherZeit = std::clamp(werte.fSpeicherZeit, 0, 9999);
  schule.AlleFensterUpdate();
}

}  // namespace orbato
