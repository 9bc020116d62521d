#include "scheduler/kettengrenze.h"

#include <algorithm>
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

using TZellen = TKettenGrenze::TZellen;

// The cells of one version of a grid.
TZellen Zellen(const TWochBereich& bereich, int32_t woche) {
  TZellen zellen;
  for (int32_t tag = 1; tag <= kMaxTage; ++tag) {
    const auto wort = static_cast<uint32_t>(bereich.GetWocheTag(woche, tag)) & 0xFFFFu;
    zellen |= TZellen(wort) << static_cast<size_t>(TKettenGrenze::Zelle(tag, 1));
  }
  return zellen;
}

// The cells in which a course without the class holds the element (with `raum`, holds it in that
// room): no chain of the class moves those hours. Each element is looked at once per class and
// version, since many hours of the class share a teacher or a room.
class TFremdBelegt {
 public:
  TFremdBelegt(const TKlasse& klasse, int32_t woche) : fKlasse(klasse), fWoche(woche) {}

  const TZellen& Belegt(const TPlanElement& e, const TRaum* raum) {
    for (const TBekannt& b : fBekannt) {
      if (b.element == &e && b.raum == raum) return b.zellen;
    }
    return fBekannt.emplace_back(TBekannt{&e, raum, Suche(e, raum)}).zellen;
  }

 private:
  TZellen Suche(const TPlanElement& e, const TRaum* raum) const {
    TZellen zellen;
    for (const TKurs* k : e.fKurse) {
      if (k->HatKlasse(&fKlasse)) continue;
      for (const TSetzung* s : k->fSetzungen) {
        if (s->fWoche != fWoche || (raum != nullptr && s->fRaum != raum)) continue;
        if (s->fTag < 1 || s->fTag > 7 || s->fStunde < 1 || s->fStunde > 16) continue;
        zellen.set(static_cast<size_t>(TKettenGrenze::Zelle(s->fTag, s->fStunde)));
      }
    }
    return zellen & Zellen(e.fBesetzung, fWoche);
  }

  const TKlasse& fKlasse;
  const int32_t fWoche;
  struct TBekannt {
    const TPlanElement* element;
    const TRaum* raum;
    TZellen zellen;
  };
  std::vector<TBekannt> fBekannt;
};

// The cells where the group's hour fits by the placement rules while the cell is the class's gap:
// no blocking of the course, its teacher, its classes or its room, and no course without the
// class holding one of them there.
TZellen PasstInLuecke(const TGruppe& g, const TKlasse& klasse, int32_t woche, TFremdBelegt& fremd) {
  const TKurs& kurs = *g.kurs;
  TZellen frei = ~Zellen(kurs.fSperrung, woche);
  if (const TLehrer* l = kurs.fLehrer) {
    frei &= ~Zellen(l->fSperrung, woche) & ~fremd.Belegt(*l, nullptr);
  }
  for (const TKlasse* k : kurs.fKlassen) {
    frei &= ~Zellen(k->fSperrung, woche);
    if (k != &klasse) frei &= ~fremd.Belegt(*k, nullptr);
  }
  if (g.raum != nullptr) {
    frei &= ~Zellen(g.raum->fSperrung, woche) & ~fremd.Belegt(*g.raum, g.raum);
  }
  return frei;
}

// Periods after the last one shown and days after the last school day are no targets.
TZellen Schulwoche() {
  const TStandard& st = Standard();
  TZellen woche;
  for (int32_t tag = 1; tag <= std::min(st.fMaxTageNeu, 7); ++tag) {
    for (int32_t std = 1; std <= std::min(st.fPlnStd, 16); ++std) {
      woche.set(static_cast<size_t>(TKettenGrenze::Zelle(tag, std)));
    }
  }
  return woche;
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
  const TZellen schulwoche = Schulwoche();
  TFremdBelegt fremd(klasse, woche);
  for (TGruppe& g : gruppen) g.passt = PasstInLuecke(g, klasse, woche, fremd) & schulwoche;
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
  for (int32_t tag = 1; tag <= kMaxTage; ++tag) {
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
