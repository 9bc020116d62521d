#include "scheduler/kettengrenze.h"

#include <vector>

#include "model/einstellungen/standard.h"
#include "model/elemente/klasse.h"
#include "model/elemente/lehrer.h"
#include "model/elemente/raum.h"
#include "model/kurse/kurs.h"

namespace orbato {
namespace {

// The hours of one course in one room: where they stand and where they could go.
struct TGruppe {
  const TKurs* kurs;
  const TRaum* raum;
  TKettenGrenze::TZellen da;
  TKettenGrenze::TZellen passt;
};

// A course without the class holds the element in the cell: no chain of the class moves it.
bool FremdBelegt(const TPlanElement& e, const TKlasse& klasse, int32_t woche, int32_t tag,
                 int32_t std, const TRaum* raum) {
  if (!e.fBesetzung.GetWocheTagStd(woche, tag, std)) return false;
  for (const TKurs* k : e.fKurse) {
    if (k->HatKlasse(&klasse)) continue;
    const TSetzung* s = k->SetzungFinden(woche, tag, std);
    if (s && (raum == nullptr || s->fRaum == raum)) return true;
  }
  return false;
}

// The free fit of the placement rules in a cell that is the class's gap.
bool PasstInLuecke(const TGruppe& g, const TKlasse& klasse, int32_t woche, int32_t tag,
                   int32_t std) {
  const TKurs& kurs = *g.kurs;
  if (kurs.fSperrung.GetWocheTagStd(woche, tag, std)) return false;
  if (const TLehrer* l = kurs.fLehrer) {
    if (l->fSperrung.GetWocheTagStd(woche, tag, std) ||
        FremdBelegt(*l, klasse, woche, tag, std, nullptr)) {
      return false;
    }
  }
  for (const TKlasse* k : kurs.fKlassen) {
    if (k->fSperrung.GetWocheTagStd(woche, tag, std)) return false;
    if (k != &klasse && FremdBelegt(*k, klasse, woche, tag, std, nullptr)) return false;
  }
  return g.raum == nullptr || (!g.raum->fSperrung.GetWocheTagStd(woche, tag, std) &&
                               !FremdBelegt(*g.raum, klasse, woche, tag, std, g.raum));
}

std::vector<TGruppe> Gruppen(const TKlasse& klasse, int32_t woche) {
  std::vector<TGruppe> gruppen;
  for (const TKurs* k : klasse.fKurse) {
    for (const TSetzung* s : k->fSetzungen) {
      if (s->fWoche != woche || !KompVerschiebbar(*k, *s, woche)) continue;
      TGruppe* g = nullptr;
      for (TGruppe& vorhanden : gruppen) {
        if (vorhanden.kurs == k && vorhanden.raum == s->fRaum) g = &vorhanden;
      }
      if (g == nullptr) g = &gruppen.emplace_back(TGruppe{k, s->fRaum, {}, {}});
      g->da.set(TKettenGrenze::Zelle(s->fTag, s->fStunde));
    }
  }
  // Periods after the last one shown and days after the last school day are no targets.
  const TStandard& st = Standard();
  for (TGruppe& g : gruppen) {
    for (int32_t tag = 1; tag <= st.fMaxTageNeu; ++tag) {
      for (int32_t std = 1; std <= st.fPlnStd; ++std) {
        if (PasstInLuecke(g, klasse, woche, tag, std)) g.passt.set(TKettenGrenze::Zelle(tag, std));
      }
    }
  }
  return gruppen;
}

}  // namespace

bool KompVerschiebbar(const TKurs& kurs, const TSetzung& setzung, int32_t woche) {
  return kurs.fKopplung == nullptr && !setzung.fFixiert && !kurs.fNichtVerplanen &&
         kurs.RestStunden(woche) >= 0;
}

void TKettenGrenze::Berechnen(const TKlasse& klasse, int32_t woche,
                              const std::array<int32_t, 8>& maximum) {
  fZuege.fill(kUnerreichbar);
  const std::vector<TGruppe> gruppen = Gruppen(klasse, woche);
  // One move: the hour of a day's last cell goes into the gap.
  TZellen rand;
  for (int32_t tag = 1; tag <= 7; ++tag) {
    if (maximum[tag] < 1) continue;
    const int32_t zelle = Zelle(tag, maximum[tag]);
    const TKurs* k = klasse.FindeKurs(woche, tag, maximum[tag]);
    for (const TGruppe& g : gruppen) {
      if (g.kurs == k && g.da.test(zelle)) rand |= g.passt;
    }
  }
  // Where the gap can go from a cell: into any cell whose hour, there from the start or come
  // there before, fits it.
  std::array<TZellen, kZellen> von{};
  for (int32_t y = 0; y < kZellen; ++y) {
    for (const TGruppe& g : gruppen) {
      if (g.da.test(y) || g.passt.test(y)) von[y] |= g.passt;
    }
  }
  TZellen erreicht = rand;
  TZellen stufe = rand;
  for (int32_t zuege = 1; stufe.any() && zuege < kUnerreichbar; ++zuege) {
    TZellen naechste;
    for (int32_t z = 0; z < kZellen; ++z) {
      if (!stufe.test(z)) continue;
      fZuege[z] = zuege;
      naechste |= von[z];
    }
    stufe = naechste & ~erreicht;
    erreicht |= stufe;
  }
}

}  // namespace orbato
