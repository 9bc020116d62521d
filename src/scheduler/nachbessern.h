#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace orbato {

class TKurs;
class TNachbesserModell;

// "Nachbessern": the repair pass for the hours the scheduler left open. A tabu search over
// ejection chains: an open hour goes into the cell where the fewest unfixed lessons stand in its
// way, those lessons become open in turn, and a lesson may not return at once to a cell it was
// pushed out of. It never moves a fixed lesson, never uses a blocked cell or a cell outside the
// shown week, never double-books a teacher, class or room, and keeps each course's hours of a
// day one block of at most fStdProTag periods. The best plan found (fewest open hours) is
// written back through the placement operations when the search ends or is stopped.
class TNachbessern {
 public:
  // `kurse`: the courses whose hours may move and whose open hours are to be placed.
  explicit TNachbessern(std::vector<TKurs*> kurse);

  // Runs in every version of the span; answers the open hours of the courses afterwards.
  int32_t Rechne();
  void Abbrechen() { fAbbruch = true; }

  int32_t OffenVorher() const { return fOffenVorher; }
  // Called now and then with the steps done and the steps at most; the window repaints,
  // processes pending input and may call Abbrechen.
  std::function<void(int32_t, int32_t)> fZwischendurch;
  // Steps per open hour at the start, and the fixed seed that makes a run repeatable.
  int32_t fSchritteJeStunde = 4000;
  int32_t fHoechstSchritte = 300000;
  uint32_t fSaat = 20261209;

 private:
  void Suche(TNachbesserModell& modell);

  std::vector<TKurs*> fKurse;
  int32_t fOffenVorher = 0;
  bool fAbbruch = false;
};

}  // namespace orbato
