// The checks that judge each course's lessons on their own: bridges, rooms, lessons still open,
// single and block lessons. They only report.
#include <algorithm>
#include <array>
#include <bit>
#include <string>

#include "checks/befund.h"
#include "checks/fehlerausgabe.h"
#include "checks/pruefungen.h"
#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/kurse/kurs.h"

namespace orbato {

namespace {

// One value per version and day: [version 1..kMaxWochen][day 1..kMaxTage].
using TProTag = std::array<std::array<int32_t, kMaxTage + 1>, kMaxWochen + 1>;

std::string Text(const TKurs& kurs) {
  return kurs.OhneRaumZeile(nullptr);
}

// The periods a course's lessons take on each day, as day words.
TProTag Lage(const TKurs& kurs) {
  TProTag lage{};
  for (const TSetzung* s : kurs.fSetzungen) {
    if (ImRaster(*s)) lage[s->fWoche][s->fTag] |= int32_t{1} << (s->fStunde - 1);
  }
  return lage;
}

// Whether a free period lies between the first and the last lesson of a day: with the periods
// before the first one shifted out, the rest is not one unbroken run of lessons.
bool HatBruecke(uint32_t perioden) {
  if (perioden == 0) return false;
  const uint32_t ab = perioden >> std::countr_zero(perioden);
  return (ab & (ab + 1)) != 0;
}

TProTag ProTag(const TKurs& kurs, std::array<int32_t, kMaxWochen + 1>& proWoche) {
  TProTag zahlen{};
  for (const TSetzung* s : kurs.fSetzungen) {
    if (!ImRaster(*s)) continue;
    ++zahlen[s->fWoche][s->fTag];
    ++proWoche[s->fWoche];
  }
  return zahlen;
}

// `fEinzelStd` days with one lesson; with blocks, as many days with exactly one block as the
// other lessons make blocks, and at least one of them.
bool EinzelBedingung(const TKurs& kurs, const std::array<int32_t, kMaxTage + 1>& tage,
                     int32_t stunden) {
  int32_t einzeln = 0, bloecke = 0;
  const int32_t tageZahl = std::min(Standard().fMaxTageNeu, int32_t{kMaxTage});
  for (int32_t tag = 1; tag <= tageZahl; ++tag) {
    if (tage[tag] == 1) ++einzeln;
    if (tage[tag] == kurs.fStdProTag) ++bloecke;
  }
  if (einzeln != kurs.fEinzelStd) return false;
  if (kurs.fStdProTag <= 1) return true;
  return bloecke > 0 && (stunden - einzeln) / kurs.fStdProTag == bloecke;
}

}  // namespace

int BrueckenTest(const TSchule& schule, Fehlerausgabe& fehler) {
  TBefund befund(fehler);
  const int32_t wochen = Standard().WochenZahl();
  for (const TKurs* k : schule.fKursMenge) {
    const TProTag lage = Lage(*k);
    for (int32_t w = 1; w <= wochen; ++w) {
      for (int32_t tag = 1; tag <= kMaxTage; ++tag) {
        if (!HatBruecke(static_cast<uint32_t>(lage[w][tag]))) continue;
        befund.Fehler("Der Kurs " + Text(*k) + " hat " + WochenTag(w, tag) +
                          " eine Br\xFC"
                          "cke.",
                      kKleinereFehler, TFundort{k, nullptr, w, tag, 0});
      }
    }
  }
  return befund.Stufe();
}

int FehlRaumTest(const TSchule& schule, Fehlerausgabe& fehler) {
  TBefund befund(fehler);
  for (const TKurs* k : schule.fKursMenge) {
    if (k->fRaeume.ListeZahlElemente() == 0) continue;
    for (const TSetzung* s : k->fSetzungen) {
      if (s->fRaum != nullptr || !ImRaster(*s)) continue;
      befund.Fehler("Der Kurs " + Text(*k) + " hat " + WochenTagStd(*s) + " keinen Raum.",
                    kKleinereFehler, TFundort{k, nullptr, s->fWoche, s->fTag, s->fStunde});
    }
  }
  return befund.Stufe();
}

int FehlStundenTest(const TSchule& schule, Fehlerausgabe& fehler) {
  TBefund befund(fehler);
  const int32_t wochen = Standard().WochenZahl();
  for (const TKurs* k : schule.fKursMenge) {
    if (k->fNichtVerplanen) continue;
    for (int32_t w = 1; w <= wochen; ++w) {
      const int32_t offen = k->fStunden.GetWochenStunde(w) - k->VerplanteStunden(w);
      if (offen <= 0) continue;
      befund.Fehler("Im Kurs {" + std::to_string(w) + "} " + Text(*k) + " sind " +
                        std::to_string(offen) + " Stunden noch nicht gesetzt.",
                    kKleinereFehler, TFundort{k, nullptr, w, 0, 0});
    }
  }
  return befund.Stufe();
}

int EinzelPruefung(const TSchule& schule, Fehlerausgabe& fehler) {
  TBefund befund(fehler);
  const int32_t wochen = Standard().WochenZahl();
  for (const TKurs* k : schule.fKursMenge) {
    if (k->fNichtVerplanen) continue;
    std::array<int32_t, kMaxWochen + 1> gesetzt{};
    const TProTag proTag = ProTag(*k, gesetzt);
    for (int32_t w = 1; w <= wochen; ++w) {
      // Only a version that is placed completely is judged; one without lessons has nothing to.
      const int32_t stunden = k->fStunden.GetWochenStunde(w);
      if (stunden <= 0 || gesetzt[w] != stunden) continue;
      if (EinzelBedingung(*k, proTag[w], stunden)) continue;
      befund.Fehler("Im Kurs {" + std::to_string(w) + "} " + Text(*k) +
                        " ist die Einzelstundenbedingung verletzt. ",
                    kKleinereFehler, TFundort{k, nullptr, w, 0, 0});
    }
  }
  return befund.Stufe();
}

}  // namespace orbato
