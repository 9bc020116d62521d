#pragma once

#include <cstdint>
#include <vector>

#include "scheduler/nachbessermodell.h"
#include "scheduler/optimierschritt.h"

namespace orbato {

class TOptimierKosten;

// The search of "Optimieren" step by step, by late acceptance: a step is taken when the plan costs
// no more than it did a fixed number of steps ago, which lets the search climb out of a valley
// without a temperature to tune. It remembers the best plan found and puts it back at the end.
class TSuchlauf {
 public:
  TSuchlauf(TNachbesserModell& modell, TOptimierKosten& kosten, uint32_t saat);

  bool Leer() const { return fSuche.Leer(); }
  std::size_t Beweglich() const { return fSuche.Beweglich(); }

  // One step of the chains and swaps, as step number n.
  void Schritt(int64_t n);
  // Each of the first `tage` days in the order of its periods that suits the school best, kept
  // when the plan costs no more.
  void TageOrdnen(int64_t n, int32_t tage);
  // Step n is that many steps past the last gain worth the name.
  int64_t SeitBesserung(int64_t n) const { return n - fLetzteBesserung; }
  // Whether the plan as it stands is the best found.
  bool AmBesten() const;
  // Leaves the model with the best plan found.
  void BestesHerstellen();

 private:
  // Keeps the step just made; the best plan found is saved first when the step leaves it.
  void Annehmen(int64_t neu, int64_t n);

  TNachbesserModell& fModell;
  TOptimierKosten& fKosten;
  TOptimierSchritt fSuche;
  std::vector<int64_t> fVerlauf;  // the costs of the last steps, by step modulo its length
  int64_t fBewertet = 0;          // steps that changed the plan
  int64_t fBest;
  bool fBestGesichert = true;  // fBestStand holds the best plan
  TNachbesserModell::TStand fBestStand;
  int64_t fMerklich;  // the cost a gain worth the name reaches
  int64_t fLetzteBesserung = 0;
};

}  // namespace orbato
