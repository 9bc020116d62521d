#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace orbato {

class TKurs;
class TRaum;
class TSchule;
class TSetzung;
class TVerlaufSchritt;
class TWochBereich;
class TWochenStunden;

// The history of the user's actions on the plan. One step is one user action (a placement, a
// move, a removal, a fixing, a room change, a swap, a bulk deletion, a whole scheduler or
// compression run, ...) with every elementary change it made, so that "Widerrufen" takes the
// action back and "Wiederherstellen" does it again, each as a whole.
//
// Changes are recorded only while a step is open (TVerlaufSchritt); everything else, such as
// loading a file or building the demo school, leaves the history alone. Placements are named by
// their cell (course, version, day, period), which a course holds once at most, so a step stays
// valid when replaying recreates the placement objects. Replaying goes below the placing rules:
// it restores exactly what was there, and the occupancy grids follow the placements as always.
class TVerlauf {
 public:
  TVerlauf();
  ~TVerlauf();
  TVerlauf(const TVerlauf&) = delete;
  TVerlauf& operator=(const TVerlauf&) = delete;

  // Recording, from the operations that change placements; nothing while no step is open.
  // A placement has just entered the course, respectively is about to leave it.
  void Gesetzt(const TKurs& kurs, const TSetzung& setzung);
  void Entfernt(const TKurs& kurs, const TSetzung& setzung);
  // The placement's room or fixed mark has just changed from `alt`.
  void RaumGeaendert(const TKurs& kurs, const TSetzung& setzung, TRaum* alt);
  void FixGeaendert(const TKurs& kurs, const TSetzung& setzung, bool alt);
  // Call before a week range (a blocking) or an hour list (lessons, targets) changes; the first
  // call in a step keeps its state, undoing puts it back whole.
  void MerkeBereich(TWochBereich& bereich);
  void MerkeStunden(TWochenStunden& stunden);

  bool Aufnahme() const { return fOffen != nullptr && fAus == 0 && !fVerworfen; }
  // A command is under way: its step is open and it may still change the document.
  bool SchrittOffen() const { return fTiefe > 0; }
  bool KannWiderrufen() const { return !fSchritte.empty(); }
  bool KannWiederherstellen() const { return !fRueckgaengig.empty(); }
  // Takes back the newest step, respectively does the newest undone step again; refreshes the
  // open windows and sets the dirty mark as it was. False when there is nothing to do.
  bool Widerrufen(TSchule& schule);
  bool Wiederherstellen(TSchule& schule);
  // Forgets every step, the open one included, which records nothing more; after changes the
  // steps could no longer be replayed on, such as deleting a course or an element or changing the
  // number of versions or days.
  void Leeren();
  // The document was saved: from now on, going back or forth leaves it changed.
  void Gesichert();
  size_t ZahlSchritte() const { return fSchritte.size(); }

  // Told whenever what can be undone or redone changes, for the menu entries.
  std::function<void()> fBeiAenderung;

  struct TSchritt;

 private:
  friend class TVerlaufSchritt;
  void Oeffnen();
  void Schliessen(bool dirtyVorher);
  void Gemeldet() const;

  std::vector<std::unique_ptr<TSchritt>> fSchritte;
  std::vector<std::unique_ptr<TSchritt>> fRueckgaengig;
  std::unique_ptr<TSchritt> fOffen;
  int32_t fTiefe = 0;
  // Replaying records nothing.
  int32_t fAus = 0;
  bool fVerworfen = false;
  // What the steps of both lists take, for the limit on memory.
  size_t fGroesse = 0;
};

// One user action: changes made while it lives form one step of the document's history. Steps
// opened inside one another are one step, the outermost.
class TVerlaufSchritt {
 public:
  explicit TVerlaufSchritt(TSchule& schule);
  TVerlaufSchritt();
  ~TVerlaufSchritt();
  TVerlaufSchritt(const TVerlaufSchritt&) = delete;
  TVerlaufSchritt& operator=(const TVerlaufSchritt&) = delete;

 private:
  TSchule& fSchule;
  bool fDirtyVorher;
};

}  // namespace orbato
