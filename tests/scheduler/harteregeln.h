#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/elemente/klasse.h"
#include "model/elemente/kopplung.h"
#include "model/elemente/lehrer.h"
#include "model/elemente/raum.h"
#include "model/kurse/kurs.h"
#include "scheduler/rangfolge.h"

namespace orbato {

// Every placement of a document: course, version, day, period, room, fixed.
using TPlanStand =
    std::vector<std::tuple<const TKurs*, int32_t, int32_t, int32_t, const TRaum*, bool>>;

inline TPlanStand PlanStand(const TSchule& schule) {
  TPlanStand stand;
  for (const TKurs* k : schule.fKursMenge) {
    for (const TSetzung* s : k->fSetzungen)
      stand.emplace_back(k, s->fWoche, s->fTag, s->fStunde, s->fRaum, s->fFixiert);
  }
  std::sort(stand.begin(), stand.end());
  return stand;
}

// The rules no automatic step may break, checked on every placement of version `woche`: inside
// the shown week, in no blocked cell, no teacher or room twice in a cell, a class twice only in
// one coupling, at most fStdProTag hours of a course a day. Answers the faults found.
inline std::vector<std::string> HarteRegelFehler(const TSchule& schule, int32_t woche) {
  const TStandard& st = Standard();
  std::vector<std::string> fehler;
  std::map<std::tuple<const void*, int32_t, int32_t>, std::vector<const TKurs*>> zellen;
  std::map<std::tuple<const TKurs*, int32_t>, int32_t> proTag;
  for (const TKurs* k : schule.fKursMenge) {
    for (const TSetzung* s : k->fSetzungen) {
      if (s->fWoche != woche) continue;
      const int32_t t = s->fTag, p = s->fStunde;
      const std::string wo =
          k->OhneRaumZeile(nullptr) + " " + std::to_string(t) + "." + std::to_string(p);
      if (t > st.fMaxTageNeu || p > st.fPlnStd) fehler.push_back("außerhalb " + wo);
      if (k->fSperrung.GetWocheTagStd(woche, t, p)) fehler.push_back("Kurs gesperrt " + wo);
      if (k->fLehrer) {
        if (k->fLehrer->fSperrung.GetWocheTagStd(woche, t, p))
          fehler.push_back("Lehrer gesperrt " + wo);
        zellen[{k->fLehrer, t, p}].push_back(k);
      }
      for (const TKlasse* kl : k->fKlassen) {
        if (kl->fSperrung.GetWocheTagStd(woche, t, p)) fehler.push_back("Klasse gesperrt " + wo);
        zellen[{kl, t, p}].push_back(k);
      }
      if (s->fRaum) {
        if (s->fRaum->fSperrung.GetWocheTagStd(woche, t, p))
          fehler.push_back("Raum gesperrt " + wo);
        zellen[{s->fRaum, t, p}].push_back(k);
      }
      if (++proTag[{k, t}] > std::max(1, k->fStdProTag)) fehler.push_back("zu viele " + wo);
    }
  }
  for (const auto& [schluessel, kurse] : zellen) {
    if (kurse.size() < 2) continue;
    const void* element = std::get<0>(schluessel);
    const bool klasse = std::any_of(schule.fKlassenMenge.begin(), schule.fKlassenMenge.end(),
                                    [&](const TKlasse* kl) { return kl == element; });
    bool gekoppelt = kurse[0]->fKopplung != nullptr;
    for (const TKurs* k : kurse) gekoppelt = gekoppelt && k->fKopplung == kurse[0]->fKopplung;
    if (!klasse || !gekoppelt) {
      fehler.push_back("doppelt " + kurse[0]->OhneRaumZeile(nullptr) + " / " +
                       kurse[1]->OhneRaumZeile(nullptr) + " " +
                       std::to_string(std::get<1>(schluessel)) + "." +
                       std::to_string(std::get<2>(schluessel)));
    }
  }
  return fehler;
}

// Per course and day of version `woche`, the pairs of consecutive periods the course holds: bit
// p - 1 set when it holds periods p and p + 1.
using TDoppelStunden = std::map<std::pair<const TKurs*, int32_t>, uint32_t>;

inline TDoppelStunden DoppelStunden(const TSchule& schule, int32_t woche) {
  TDoppelStunden paare;
  for (const TKurs* k : schule.fKursMenge) {
    for (int32_t tag = 1; tag <= kMaxTage; ++tag) {
      const auto bits = static_cast<uint32_t>(k->fBesetzung.GetWocheTag(woche, tag)) & 0xFFFFu;
      if (const uint32_t p = bits & (bits >> 1)) paare[{k, tag}] = p;
    }
  }
  return paare;
}

// The pairs of consecutive periods of one course on one day that its rating table does not link
// and that were not among `vorher`, as "course day.period-period+1".
inline std::vector<std::string> UnverbundeneBloecke(const TSchule& schule, int32_t woche,
                                                    const TDoppelStunden& vorher) {
  const TRangfolge rangfolge(Standard());
  std::vector<std::string> fehler;
  for (const auto& [wo, paare] : DoppelStunden(schule, woche)) {
    const auto& [kurs, tag] = wo;
    const auto alt = vorher.find(wo);
    for (int32_t p = 1; p < kMaxStunden; ++p) {
      if (!(paare >> (p - 1) & 1u)) continue;
      if (alt != vorher.end() && (alt->second >> (p - 1) & 1u)) continue;
      if (rangfolge.MitNaechsterVerbunden(kurs->fTabellenNr, tag, p)) continue;
      fehler.push_back(kurs->OhneRaumZeile(nullptr) + " " + std::to_string(tag) + "." +
                       std::to_string(p) + "-" + std::to_string(p + 1));
    }
  }
  return fehler;
}

}  // namespace orbato
