#include "scheduler/planqualitaet.h"

#include <algorithm>
#include <array>
#include <bit>
#include <map>
#include <optional>
#include <unordered_map>
#include <utility>

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
  std::map<std::pair<const TKlasse*, const TFach*>, TTage> fFaecher;
  int32_t fHarte = 0;
  int32_t fUnverbunden = 0;
};

int32_t Anzahl(uint32_t bits) {
  return std::popcount(bits);
}

// The free, unblocked periods between the first and the last lesson of a day, within the periods
// the plans show.
int32_t Luecken(uint32_t belegt, uint32_t gesperrt, int32_t plnStd) {
  const uint32_t sichtbar = belegt & ((1u << plnStd) - 1u);
  if (Anzahl(sichtbar) < 2) return 0;
  const int erste = std::countr_zero(sichtbar);
  const int letzte = 31 - std::countl_zero(sichtbar);
  const uint32_t dazwischen = ((1u << letzte) - 1u) & ~((1u << erste) - 1u);
  return Anzahl(dazwischen & ~sichtbar & ~static_cast<uint32_t>(gesperrt));
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
      if (kurs.fFach) erhebung.fFaecher[{klasse, kurs.fFach}][tag - 1] |= 1u << (std - 1);
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

const TElementPlan& PlanVon(const TErhebung& erhebung, const TPlanElement* element) {
  static const TElementPlan kLeer;
  const auto it = erhebung.fElemente.find(element);
  return it != erhebung.fElemente.end() ? it->second : kLeer;
}

void MerkeSchlechtesten(std::optional<TSchlechtester>& schlechtester, const TElement& element,
                        int32_t luecken) {
  if (luecken > 0 && (!schlechtester || luecken > schlechtester->fLuecken))
    schlechtester = TSchlechtester{element.fKuerzel.str(), luecken};
}

void ZaehleKlassen(const TSchule& schule, int32_t woche, const TStandard& st,
                   const TErhebung& erhebung, TPlanQualitaet& q) {
  for (const TKlasse* klasse : schule.fKlassenMenge) {
    const int32_t luecken = WochenLuecken(*klasse, PlanVon(erhebung, klasse), woche, st);
    q.fKlassenLueckenSumme += luecken;
    if (luecken > 0) ++q.fKlassenMitLuecken;
    MerkeSchlechtesten(q.fSchlechtesteKlasse, *klasse, luecken);
  }
  // A day of a class counts once, however many of its subjects are split that day.
  std::map<std::pair<const TKlasse*, int32_t>, bool> geteilt;
  for (const auto& [wer, tage] : erhebung.fFaecher) {
    for (int32_t tag = 1; tag <= st.fMaxTageNeu; ++tag) {
      const uint32_t bits = tage[tag - 1];
      const bool mehrereLaeufe = Anzahl(bits & ~(bits << 1)) > 1;
      if (mehrereLaeufe) geteilt[{wer.first, tag}] = true;
    }
  }
  q.fFachDoppeltTage = static_cast<int32_t>(geteilt.size());
}

void ZaehleLehrer(const TSchule& schule, int32_t woche, const TStandard& st,
                  const TQualitaetsGrenzen& grenzen, const TErhebung& erhebung, TPlanQualitaet& q) {
  for (const TLehrer* lehrer : schule.fLehrerMenge) {
    const TElementPlan& plan = PlanVon(erhebung, lehrer);
    const int32_t luecken = WochenLuecken(*lehrer, plan, woche, st);
    q.fLehrerLueckenSumme += luecken;
    if (luecken > grenzen.fLehrerLuecken) ++q.fLehrerUeberGrenze;
    MerkeSchlechtesten(q.fSchlechtesterLehrer, *lehrer, luecken);
    bool freierTag = false;
    for (int32_t tag = 1; tag <= st.fMaxTageNeu; ++tag) {
      const int32_t stunden = Anzahl(plan.fBelegt[tag - 1]);
      if (stunden > grenzen.fMaxTagesStunden) ++q.fLehrerTageUeberMax;
      if (stunden > 0 && stunden < grenzen.fMinTagesStunden) ++q.fLehrerTageUnterMin;
      freierTag = freierTag || stunden == 0;
    }
    if (lehrer->fFreierTag) {
      ++q.fFreierTagGewuenscht;
      if (freierTag) ++q.fFreierTagErfuellt;
    }
  }
}

}  // namespace

TPlanQualitaet PlanQualitaet(const TSchule& schule, int32_t woche,
                             const TQualitaetsGrenzen& grenzen) {
  const TStandard& st = Standard();
  const TRangfolge rangfolge(st);
  TPlanQualitaet q;
  TErhebung erhebung;
  for (const TKurs* kurs : schule.fKursMenge) {
    if (!kurs->fNichtVerplanen) {
      q.fStundenSoll += kurs->fStunden.GetWochenStunde(woche);
      q.fStundenGesetzt += kurs->VerplanteStunden(woche);
    }
    ErfasseKurs(*kurs, woche, st, rangfolge, erhebung);
  }
  for (const auto& [element, plan] : erhebung.fElemente) {
    for (const uint32_t doppelt : plan.fDoppelt) erhebung.fHarte += Anzahl(doppelt);
  }
  ZaehleKlassen(schule, woche, st, erhebung, q);
  ZaehleLehrer(schule, woche, st, grenzen, erhebung, q);
  q.fUnverbundeneBloecke = erhebung.fUnverbunden;
  q.fHarteVerletzungen = erhebung.fHarte;
  return q;
}

}  // namespace orbato
