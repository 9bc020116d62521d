#pragma once

#include <cstdint>
#include <vector>

namespace orbato {

class TElement;
class TSchule;

// What a copy between plan versions takes: the courses of chosen teachers, classes, couplings,
// subjects or rooms, or every course of the school. The numbers are those kept in fVersKuerzel.
enum TVersionsWas : int32_t {
  kVersLehrer = 0,
  kVersKlassen = 1,
  kVersKopplungen = 2,
  kVersFaecher = 3,
  kVersRaeume = 4,
  kVersAlleKurse = 5
};

struct TVersionsKopie {
  TVersionsWas fWas = kVersAlleKurse;
  // The chosen elements of that kind, in the order of their list; unused for kVersAlleKurse.
  std::vector<TElement*> fElemente;
  // False: targets and lessons only ("nur Deputate"); true: blockings and placements as well.
  bool fAuchPlaene = true;
  int32_t fVon = 1;
  int32_t fZu = 1;
};

// How a copy ended.
enum class TKopieErgebnis {
  Kopiert,
  // The target version has blocked or fixed cells where lessons were to go.
  Abgelehnt,
  // The user answered the displacement question with "Abbrechen".
  Abgebrochen
};

// Copies from version fVon into version fZu: the targets of teachers and classes, with fAuchPlaene
// the blockings of teachers, classes and rooms, then for every course concerned its lessons, its
// placements and its blocking. With every course the school is taken step by step, each step for
// all elements before the next; chosen elements are taken one after the other, all steps for one
// before the next. A refusal or "Abbrechen" stops at once and keeps what was done before it. The
// whole run is one step of the document's history; the message window is shown while it runs.
TKopieErgebnis VersionKopieren(TSchule& schule, const TVersionsKopie& kopie);

}  // namespace orbato
