#include "scheduler/planqualitaet.h"

#include <algorithm>
#include <array>
#include <bit>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/elemente/fach.h"
#include "model/elemente/klasse.h"
#include "model/elemente/kopplung.h"
#include "model/elemente/lehrer.h"
#include "model/elemente/raum.h"
#include "model/kurse/kurs.h"
#include "model/kurse/setzung.h"
#include "scheduler/rangfolge.h"
#include "scheduler/tagesbits.h"

namespace orbato {
namespace {

// One bit per period of each day: bit p - 1 for period p.
using TTage = std::array<uint32_t, kMaxTage>;

// What an element holds in the version, and in which cells it holds more than it may.
struct TElementPlan {
  TTage fBelegt{};
  TTage fDoppelt{};
  // The coupling of the first course found in a cell: a class may share a cell only within one.
  std::array<std::array<const TKopplung*, kMaxStunden>, kMaxTage> fKopplung{};

  void Halte(const TKurs& kurs, int32_t tag, int32_t std, bool kopplungTeilt) {
    const uint32_t bit = 1u << (std - 1);
    const TKopplung*& erste = fKopplung[tag - 1][std - 1];
    if (fBelegt[tag - 1] & bit) {
      if (!kopplungTeilt || erste == nullptr || kurs.fKopplung != erste) fDoppelt[tag - 1] |= bit;
    } else {
      erste = kurs.fKopplung;
    }
    fBelegt[tag - 1] |= bit;
  }
};

// Everything the figures are counted from, gathered in one pass over the placements.
struct TErhebung {
  std::unordered_map<const TPlanElement*, TElementPlan> fElemente;
  // Per class the days of each of its subjects.
  std::unordered_map<const TKlasse*, std::unordered_map<const TFach*, TTage>> fFaecher;
  int32_t fSoll = 0;
  int32_t fGesetzt = 0;
  int32_t fHarte = 0;
  int32_t fUnverbunden = 0;
};

int32_t Anzahl(uint32_t bits) {
  return std::popcount(bits);
}

// The free, unblocked periods between the first and the last lesson of a day, within the periods
// the plans show.
int32_t Luecken(uint32_t belegt, uint32_t gesperrt, int32_t plnStd) {
  return TagesLuecken(belegt & ((1u << plnStd) - 1u), gesperrt);
}

int32_t WochenLuecken(const TPlanElement& element, const TElementPlan& plan, int32_t woche,
                      const TStandard& st) {
  int32_t summe = 0;
  for (int32_t tag = 1; tag <= st.fMaxTageNeu; ++tag) {
    summe += Luecken(plan.fBelegt[tag - 1],
                     static_cast<uint32_t>(element.fSperrung.GetWocheTag(woche, tag)), st.fPlnStd);
  }
  return summe;
}

// A course's placements of the version: it takes them into the plans of its teacher, classes,
// rooms and subject, and counts its own violations and unlinked blocks.
void ErfasseKurs(const TKurs& kurs, int32_t woche, const TStandard& st, const TRangfolge& rangfolge,
                 TErhebung& erhebung) {
  TTage eigene{};
  for (const TSetzung* s : kurs.fSetzungen) {
    const int32_t tag = s->fTag, std = s->fStunde;
    if (s->fWoche != woche || tag < 1 || tag > st.fMaxTageNeu || std < 1 || std > kMaxStunden)
      continue;
    eigene[tag - 1] |= 1u << (std - 1);
    if (kurs.IstGesperrt(woche, tag, s->fRaum, std)) ++erhebung.fHarte;
    if (kurs.fLehrer) erhebung.fElemente[kurs.fLehrer].Halte(kurs, tag, std, false);
    if (s->fRaum) erhebung.fElemente[s->fRaum].Halte(kurs, tag, std, false);
    for (const TKlasse* klasse : kurs.fKlassen) {
      erhebung.fElemente[klasse].Halte(kurs, tag, std, true);
      if (kurs.fFach) erhebung.fFaecher[klasse][kurs.fFach][tag - 1] |= 1u << (std - 1);
    }
  }
  for (int32_t tag = 1; tag <= st.fMaxTageNeu; ++tag) {
    const uint32_t tagBits = eigene[tag - 1];
    if (Anzahl(tagBits) > std::max(1, kurs.fStdProTag)) ++erhebung.fHarte;
    const uint32_t paare = tagBits & (tagBits >> 1);
    for (int32_t std = 1; std < kMaxStunden; ++std) {
      if ((paare >> (std - 1) & 1u) && !rangfolge.MitNaechsterVerbunden(kurs.fTabellenNr, tag, std))
        ++erhebung.fUnverbunden;
    }
  }
}

// The one pass over the placements of the version that every figure is counted from.
TErhebung Erhebe(const TSchule& schule, int32_t woche, const TStandard& st) {
  const TRangfolge rangfolge(st);
  TErhebung erhebung;
  for (const TKurs* kurs : schule.fKursMenge) {
    if (!kurs->fNichtVerplanen) {
      erhebung.fSoll += kurs->fStunden.GetWochenStunde(woche);
      erhebung.fGesetzt += kurs->VerplanteStunden(woche);
    }
    ErfasseKurs(*kurs, woche, st, rangfolge, erhebung);
  }
  for (const auto& [element, plan] : erhebung.fElemente) {
    for (const uint32_t doppelt : plan.fDoppelt) erhebung.fHarte += Anzahl(doppelt);
  }
  return erhebung;
}

const TElementPlan& PlanVon(const TErhebung& erhebung, const TPlanElement* element) {
  static const TElementPlan kLeer;
  const auto it = erhebung.fElemente.find(element);
  return it != erhebung.fElemente.end() ? it->second : kLeer;
}

// The days on which one of the class's subjects does not form one run of periods.
int32_t FachDoppeltTage(const TErhebung& erhebung, const TKlasse* klasse, const TStandard& st) {
  const auto it = erhebung.fFaecher.find(klasse);
  if (it == erhebung.fFaecher.end()) return 0;
  uint32_t geteilt = 0;
  for (const auto& [fach, tage] : it->second) {
    for (int32_t tag = 1; tag <= st.fMaxTageNeu; ++tag) {
      const uint32_t bits = tage[tag - 1];
      if (MehrereLaeufe(bits)) geteilt |= 1u << (tag - 1);
    }
  }
  return Anzahl(geteilt);
}

bool SpaeterBeginn(uint32_t belegt, uint32_t gesperrt, int32_t plnStd) {
  const uint32_t sichtbar = (1u << plnStd) - 1u;
  return VorDemBeginn(belegt & sichtbar, gesperrt, sichtbar) > 0;
}

TKlassenQualitaet KlassenQualitaet(const TKlasse& klasse, const TErhebung& erhebung, int32_t woche,
                                   const TStandard& st) {
  const TElementPlan& plan = PlanVon(erhebung, &klasse);
  TKlassenQualitaet z;
  z.fKuerzel = klasse.fKuerzel.str();
  z.fLuecken = WochenLuecken(klasse, plan, woche, st);
  z.fFachDoppeltTage = FachDoppeltTage(erhebung, &klasse, st);
  for (int32_t tag = 1; tag <= st.fMaxTageNeu; ++tag) {
    const uint32_t belegt = plan.fBelegt[tag - 1];
    z.fStunden += Anzahl(belegt);
    const auto gesperrt = static_cast<uint32_t>(klasse.fSperrung.GetWocheTag(woche, tag));
    if (SpaeterBeginn(belegt, gesperrt, st.fPlnStd)) ++z.fSpaeteTage;
  }
  return z;
}

TLehrerQualitaet LehrerQualitaet(const TLehrer& lehrer, const TErhebung& erhebung, int32_t woche,
                                 const TStandard& st, const TQualitaetsGrenzen& grenzen) {
  const TElementPlan& plan = PlanVon(erhebung, &lehrer);
  TLehrerQualitaet z;
  z.fKuerzel = lehrer.fKuerzel.str();
  z.fLuecken = WochenLuecken(lehrer, plan, woche, st);
  z.fFreierTagGewuenscht = lehrer.fFreierTag;
  for (int32_t tag = 1; tag <= st.fMaxTageNeu; ++tag) {
    const int32_t stunden = Anzahl(plan.fBelegt[tag - 1]);
    z.fStunden += stunden;
    if (stunden > grenzen.fMaxTagesStunden) ++z.fTageUeberMax;
    if (stunden > 0 && stunden < grenzen.fMinTagesStunden) ++z.fTageUnterMin;
    z.fFreierTag = z.fFreierTag || stunden == 0;
  }
  return z;
}

void MerkeSchlechtesten(std::optional<TSchlechtester>& schlechtester, const std::string& kuerzel,
                        int32_t luecken) {
  if (luecken > 0 && (!schlechtester || luecken > schlechtester->fLuecken))
    schlechtester = TSchlechtester{kuerzel, luecken};
}

void ZaehleKlassen(const TSchule& schule, int32_t woche, const TStandard& st,
                   const TErhebung& erhebung, TPlanQualitaet& q) {
  for (const TKlasse* klasse : schule.fKlassenMenge) {
    const TKlassenQualitaet z = KlassenQualitaet(*klasse, erhebung, woche, st);
    q.fKlassenLueckenSumme += z.fLuecken;
    if (z.fLuecken > 0) ++q.fKlassenMitLuecken;
    MerkeSchlechtesten(q.fSchlechtesteKlasse, z.fKuerzel, z.fLuecken);
    q.fFachDoppeltTage += z.fFachDoppeltTage;
  }
}

void ZaehleLehrer(const TSchule& schule, int32_t woche, const TStandard& st,
                  const TQualitaetsGrenzen& grenzen, const TErhebung& erhebung, TPlanQualitaet& q) {
  for (const TLehrer* lehrer : schule.fLehrerMenge) {
    const TLehrerQualitaet z = LehrerQualitaet(*lehrer, erhebung, woche, st, grenzen);
    q.fLehrerLueckenSumme += z.fLuecken;
    if (z.fLuecken > grenzen.fLehrerLuecken) ++q.fLehrerUeberGrenze;
    MerkeSchlechtesten(q.fSchlechtesterLehrer, z.fKuerzel, z.fLuecken);
    q.fLehrerTageUeberMax += z.fTageUeberMax;
    q.fLehrerTageUnterMin += z.fTageUnterMin;
    if (z.fFreierTagGewuenscht) {
      ++q.fFreierTagGewuenscht;
      if (z.fFreierTag) ++q.fFreierTagErfuellt;
    }
  }
}

}  // namespace

TPlanQualitaet PlanQualitaet(const TSchule& schule, int32_t woche,
                             const TQualitaetsGrenzen& grenzen) {
  const TStandard& st = Standard();
  const TErhebung erhebung = Erhebe(schule, woche, st);
  TPlanQualitaet q;
  q.fStundenSoll = erhebung.fSoll;
  q.fStundenGesetzt = erhebung.fGesetzt;
  ZaehleKlassen(schule, woche, st, erhebung, q);
  ZaehleLehrer(schule, woche, st, grenzen, erhebung, q);
  q.fUnverbundeneBloecke = erhebung.fUnverbunden;
  q.fHarteVerletzungen = erhebung.fHarte;
  return q;
}

TElementQualitaet ElementQualitaet(const TSchule& schule, int32_t woche,
                                   const TQualitaetsGrenzen& grenzen) {
  const TStandard& st = Standard();
  const TErhebung erhebung = Erhebe(schule, woche, st);
  TElementQualitaet e;
  for (const TLehrer* lehrer : schule.fLehrerMenge)
    e.fLehrer.push_back(LehrerQualitaet(*lehrer, erhebung, woche, st, grenzen));
  for (const TKlasse* klasse : schule.fKlassenMenge)
    e.fKlassen.push_back(KlassenQualitaet(*klasse, erhebung, woche, st));
  return e;
}

}  // namespace orbato
