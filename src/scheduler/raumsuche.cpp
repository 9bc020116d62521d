#include "scheduler/raumsuche.h"

#include <algorithm>

#include "model/elemente/raum.h"
#include "model/kurse/kurs.h"

namespace orbato {
namespace {

// The free rooms of each course in the cell, in list order; empty for a course without rooms.
std::vector<std::vector<TRaum*>> FreieRaeume(const std::vector<TKurs*>& kurse, int32_t woche,
                                             int32_t tag, int32_t std) {
  std::vector<std::vector<TRaum*>> frei(kurse.size());
  for (std::size_t i = 0; i < kurse.size(); ++i) {
    for (TRaum* raum : kurse[i]->fRaeume) {
      if (RaumFrei(*raum, woche, tag, std)) frei[i].push_back(raum);
    }
  }
  return frei;
}

// The depth-first search, pruned by a matching test: before a course commits to a room, the
// courses after it must still find distinct rooms among those left. That keeps the search's answer
// (the first assignment in course and list order) and spares it the exponential dead ends of a
// large coupling whose rooms do not suffice.
class TRaumSuche {
 public:
  TRaumSuche(const std::vector<TKurs*>& kurse, std::vector<std::vector<TRaum*>> frei)
      : fKurse(kurse), fFrei(std::move(frei)), fWahl(kurse.size(), nullptr) {}

  bool Suche(std::size_t i) {
    if (i == fKurse.size()) return true;
    if (fKurse[i]->fRaeume.ListeZahlElemente() == 0) return Suche(i + 1);
    for (TRaum* raum : fFrei[i]) {
      if (Vergeben(raum, i)) continue;
      fWahl[i] = raum;
      if (RestPasst(i + 1) && Suche(i + 1)) return true;
    }
    fWahl[i] = nullptr;
    return false;
  }

  std::vector<TRaum*>& Wahl() { return fWahl; }

 private:
  bool Vergeben(const TRaum* raum, std::size_t bis) const {
    for (std::size_t j = 0; j < bis; ++j) {
      if (fWahl[j] == raum) return true;
    }
    return false;
  }

  // Whether the courses from `ab` on can all get distinct rooms not chosen before them
  // (augmenting paths, Kuhn's method).
  bool RestPasst(std::size_t ab) {
    fBelegt.clear();
    for (std::size_t i = ab; i < fKurse.size(); ++i) {
      if (fFrei[i].empty() && fKurse[i]->fRaeume.ListeZahlElemente() == 0) continue;
      fBesucht.clear();
      if (!Erweitere(i, ab)) return false;
    }
    return true;
  }

  bool Erweitere(std::size_t kurs, std::size_t ab) {
    for (TRaum* raum : fFrei[kurs]) {
      if (Vergeben(raum, ab) || std::find(fBesucht.begin(), fBesucht.end(), raum) != fBesucht.end())
        continue;
      fBesucht.push_back(raum);
      auto inhaber = std::find_if(fBelegt.begin(), fBelegt.end(),
                                  [raum](const auto& paar) { return paar.first == raum; });
      if (inhaber == fBelegt.end()) {
        fBelegt.emplace_back(raum, kurs);
        return true;
      }
      if (Erweitere(inhaber->second, ab)) {
        inhaber = std::find_if(fBelegt.begin(), fBelegt.end(),
                               [raum](const auto& paar) { return paar.first == raum; });
        inhaber->second = kurs;
        return true;
      }
    }
    return false;
  }

  const std::vector<TKurs*>& fKurse;
  std::vector<std::vector<TRaum*>> fFrei;
  std::vector<TRaum*> fWahl;
  std::vector<std::pair<TRaum*, std::size_t>> fBelegt;  // room -> course in the matching test
  std::vector<TRaum*> fBesucht;
};

}  // namespace

bool RaumFrei(const TRaum& raum, int32_t woche, int32_t tag, int32_t std) {
  return !raum.fSperrung.GetWocheTagStd(woche, tag, std) &&
         !raum.fBesetzung.GetWocheTagStd(woche, tag, std);
}

std::optional<std::vector<TRaum*>> VerschiedeneRaeume(const std::vector<TKurs*>& kurse,
                                                      int32_t woche, int32_t tag, int32_t std) {
  TRaumSuche suche(kurse, FreieRaeume(kurse, woche, tag, std));
  if (!suche.Suche(0)) return std::nullopt;
  return std::move(suche.Wahl());
}

}  // namespace orbato
