#include "scheduler/raumsuche.h"

#include <algorithm>

#include "model/elemente/raum.h"
#include "model/kurse/kurs.h"
#include "placement/regeln.h"
#include "scheduler/zuordnung.h"

namespace orbato {
namespace {

// The depth-first search over the courses' free rooms (as numbers into fRaeume), pruned by a
// matching test: before a course commits to a room, the courses after it must still find
// distinct rooms among those left. That keeps the search's answer (the first assignment in course
// and list order) and spares it the exponential dead ends of a large coupling whose rooms do not
// suffice.
class TRaumSuche {
 public:
  TRaumSuche(const std::vector<TKurs*>& kurse, int32_t woche, int32_t tag, int32_t std)
      : fKurse(kurse), fFrei(kurse.size()), fWahl(kurse.size(), -1) {
    for (std::size_t i = 0; i < kurse.size(); ++i) {
      for (TRaum* raum : kurse[i]->fRaeume) {
        if (!RaumFrei(*raum, woche, tag, std)) continue;
        auto it = std::find(fRaeume.begin(), fRaeume.end(), raum);
        if (it == fRaeume.end()) it = fRaeume.insert(fRaeume.end(), raum);
        fFrei[i].push_back(static_cast<int>(it - fRaeume.begin()));
      }
    }
    fVergeben.assign(fRaeume.size(), 0);
  }

  bool Suche(std::size_t i) {
    if (i == fKurse.size()) return true;
    if (fKurse[i]->fRaeume.ListeZahlElemente() == 0) return Suche(i + 1);
    for (int raum : fFrei[i]) {
      char& vergeben = fVergeben[static_cast<std::size_t>(raum)];
      if (vergeben) continue;
      vergeben = 1;
      fWahl[i] = raum;
      if (RestPasst(i + 1) && Suche(i + 1)) return true;
      vergeben = 0;
    }
    fWahl[i] = -1;
    return false;
  }

  std::vector<TRaum*> Wahl() const {
    std::vector<TRaum*> wahl;
    for (int raum : fWahl)
      wahl.push_back(raum < 0 ? nullptr : fRaeume[static_cast<std::size_t>(raum)]);
    return wahl;
  }

 private:
  // Whether the courses with rooms from `ab` on can all get distinct rooms not chosen before.
  bool RestPasst(std::size_t ab) {
    fRest.clear();
    for (std::size_t i = ab; i < fKurse.size(); ++i) {
      if (fKurse[i]->fRaeume.ListeZahlElemente() > 0) fRest.push_back(fFrei[i]);
    }
    return fZuordnung.Finde(fRest, fRaeume.size(), &fVergeben);
  }

  const std::vector<TKurs*>& fKurse;
  std::vector<TRaum*> fRaeume;          // every room free for one of the courses
  std::vector<std::vector<int>> fFrei;  // per course its free rooms, in list order
  std::vector<int> fWahl;               // per course the room chosen, -1 none
  std::vector<char> fVergeben;          // per room: chosen by an earlier course
  std::vector<std::vector<int>> fRest;
  TZuordnung fZuordnung;
};

}  // namespace

std::optional<std::vector<TRaum*>> VerschiedeneRaeume(const std::vector<TKurs*>& kurse,
                                                      int32_t woche, int32_t tag, int32_t std) {
  TRaumSuche suche(kurse, woche, tag, std);
  if (!suche.Suche(0)) return std::nullopt;
  return suche.Wahl();
}

}  // namespace orbato
