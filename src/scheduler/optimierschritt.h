#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <utility>
#include <vector>

namespace orbato {

class TNachbesserModell;
class TOptimierKosten;

// One change of a step: a lesson left its cell (with its rooms) or entered one.
struct TAenderung {
  int ereignis;
  int zelle;
  std::vector<int> raeume;
  bool heraus;
};

// Per number of hours 1..16, how many days a course holds that many in one block.
using TMuster = std::array<uint8_t, 17>;

// The steps of "Optimieren" on one plan version: each exchanges the lessons of two cells of the
// model, keeping every rule of the model and the block lengths of every course, and tells the
// cost of every lesson that leaves or enters a cell. A step that the search does not take is put
// back with Zurueck.
class TOptimierSchritt {
 public:
  TOptimierSchritt(TNachbesserModell& modell, TOptimierKosten& kosten, uint32_t saat);

  bool Leer() const { return fBeweglich.empty(); }
  std::size_t Beweglich() const { return fBeweglich.size(); }

  // Tries to exchange the lessons of two cells: a random lesson (with the rest of its block)
  // goes to another cell, and every lesson there that shares a teacher or class with it comes
  // the other way, and so on (a Kempe chain). A lesson alone in its way is a plain move, one
  // lesson a swap. True when the plan changed (then Bewerten decides), false when it is as it
  // was.
  bool Versuch();

  // Moves each event to its cell at once (a new order of a day's periods): true when the plan
  // changed, false when a rule forbade it and the plan is as it was.
  bool Umsetzen(std::vector<std::pair<int, int>> ziele);

  // Takes the changes of the step back, newest first.
  bool Zurueck();

  // Does the changes of the step again after Zurueck took them back.
  void Wiederholen(const std::vector<TAenderung>& aenderungen);

  const std::vector<TAenderung>& Aenderungen() const { return fAenderungen; }
  void Behalten() { fAenderungen.clear(); }

 private:
  std::size_t Wuerfel(std::size_t n) { return static_cast<std::size_t>(fZufall() % n); }

  // A third of the steps try any cell of the week, the others the cell of another lesson of one
  // of the event's classes or of its teacher, which exchanges lessons inside their week.
  int Ziel(int e);

  // The run of consecutive periods of the event's first course around its cell.
  void Block(int e, int& von, int& laenge) const;

  // Whether `laenge` cells from `zelle` on lie in one day of the shown week.
  bool Passt(int zelle, int laenge) const;

  // The event of the first course of `e` in the cell, -1 when it is not movable.
  int Nachbar(int e, int zelle);

  // Adds the event bound for `ziel` to the step's moves, with every lesson in its way bound for
  // the cell it leaves, and theirs in turn. False when a fixed lesson is in the way or the
  // chain grows too long.
  bool Kette(int start, int ziel);

  bool Geplant(int e) const;

  // Takes the events of fZiele out and puts them into their cells, in this order.
  bool Ausfuehren();

  // Every course the step moved still holds its hours of a day in one block, and its blocks have
  // the lengths they had at the start.
  bool RegelnGehalten() const;

  // How many days a course holds 1, 2, ... hours; 0 when a day's hours are not one block.
  TMuster Muster(int kurs) const;

  void Heraus(int e);

  // Puts the event into the cell with rooms for every course that had one when it left: the
  // rooms it had, if they are free there.
  bool Hinein(int e, int zelle);

  TNachbesserModell& fM;
  TOptimierKosten& fK;
  std::mt19937 fZufall;
  std::vector<int> fBeweglich;
  std::vector<std::vector<int>> fVonKlasse, fVonLehrer;
  std::vector<bool> fImPlan;
  std::vector<TMuster> fMuster;             // per course, at the start
  std::vector<std::pair<int, int>> fZiele;  // the step's events and the cells they go to
  // Per event the number of the last step whose chain took it in, so that a long chain finds
  // out at once whether it holds an event.
  std::vector<uint32_t> fInKette;
  uint32_t fKettenNr = 0;
  std::vector<TAenderung> fAenderungen;
  std::vector<int> fWeg, fRaeume;
};

}  // namespace orbato
