#pragma once

#include <cstdint>
#include <functional>

#include "model/basis/liste.h"

namespace orbato {

class TKurs;
class TRaum;
class TSetzung;

enum TUndoArt : uint8_t { hin = 0, weg = 1 };

// One placement change of manual planning: a lesson placed (hin) or removed (weg), as it was.
class TUndoElement {
 public:
  void SetArt(TUndoArt art) { fArt = art; }
  void SetWoche(int32_t woche) { fWoche = woche; }
  void SetTag(int32_t tag) { fTag = tag; }
  void SetStd(int32_t std) { fStd = std; }
  void SetRaum(TRaum* raum) { fRaum = raum; }
  void SetFix(bool fix) { fFix = fix; }
  void SetKurs(TKurs* kurs) { fKurs = kurs; }

  TUndoArt fArt = hin;
  int32_t fWoche = 0;
  int32_t fTag = 0;
  int32_t fStd = 0;
  TRaum* fRaum = nullptr;
  bool fFix = false;
  TKurs* fKurs = nullptr;
};

// The journal of manual planning, oldest entry first. It exists while the manual-planning window
// is open, which installs it in the document; `fMerken` is off while it is replayed.
class TUndoProtokoll {
 public:
  // Records a change when recording is on. A removed lesson puts its course on the window's list
  // of courses to place; the first entry enables the journal's two commands.
  void Merke(TKurs* kurs, const TSetzung& setzung, TUndoArt art);
  // A course that is destroyed takes its entries along.
  void KursLoeschen(const TKurs* kurs);
  // A room that is destroyed leaves the entries; their lessons come back without a room.
  void RaumLoeschen(const TRaum* raum);
  // "Löschen Protokoll": every entry goes, nothing is replayed.
  void Loeschen();

  TListe<TUndoElement> fUndoListe{true};
  bool fMerken = true;
  // What the manual-planning window does with a removed lesson's course, and with the enabled
  // state of "Widerrufen Protokoll" and "Löschen Protokoll".
  std::function<void(TKurs*)> fKursVormerken;
  std::function<void(bool)> fBefehleAn;
};

}  // namespace orbato
