#pragma once

#include <cstdint>
#include <string>

#include "model/basis/liste.h"

namespace orbato {

class TElement;
class TKurs;

// What stands in the way of a placement. The order is the order of every conflict list.
enum TKonfliktArt : uint8_t {
  kuSp,  // the course itself is blocked
  leSp,  // its teacher is blocked
  klSp,  // one of its classes is blocked
  raSp,  // the room is blocked
  leFx,  // the teacher holds a fixed lesson there
  klFx,  // a class holds a fixed lesson there
  raFx,  // the room holds a fixed lesson there
  leBe,  // the teacher holds an unfixed lesson there
  klBe,  // a class holds an unfixed lesson there
  raBe,  // the room holds an unfixed lesson there
  koRa   // none of the course's rooms is free
};

// The severity a kind carries: 1 an unfixed lesson that may be displaced, 2 a room that cannot
// be freed, 3 a blocking or a fixed lesson of the course, its teacher or a class.
int32_t KonfliktSchwere(TKonfliktArt art);

// One obstacle to a placement, in one plan version. Not stored in the plan file, so its setters
// leave the document as it is.
class TKonflikt {
 public:
  void IKonflikt(TKonfliktArt art, int32_t schwere, TKurs* kurs, TElement* element, int32_t woche);

  void SetArt(TKonfliktArt art) { fArt = art; }
  void SetSchwere(int32_t schwere) { fSchwere = schwere; }
  void SetWoche(int32_t woche) { fWoche = woche; }
  void SetElement(TElement* element) { fElement = element; }
  void SetKurs(TKurs* kurs) { fKurs = kurs; }

  // The long text of the dialogs: "{2} Lehrer MUE besetzt durch MUE M 5a.".
  std::string Zeile() const;
  // The short text of the manual-planning cell menu; `fensterKurs` is the course of the window,
  // which tells its own blocking from that of a coupled course. With a cell the bracketed course
  // names the room of its lesson there, without one its first room.
  std::string KurzZeile(const TKurs* fensterKurs, int32_t tag = 0, int32_t std = 0) const;

  TKonfliktArt fArt = kuSp;
  int32_t fSchwere = 0;
  int32_t fWoche = 0;
  TElement* fElement = nullptr;
  TKurs* fKurs = nullptr;
};

// Enters an obstacle into a conflict list (one that owns its entries): behind the entries of
// lower or equal kind. A lesson in the way (leFx..raBe) is left out when its course is already
// listed for that version, so that a course colliding through teacher and class shows once;
// blockings always go in. `schwere` is raised to the kind's severity either way.
void KonfliktEintragen(TListe<TKonflikt>& liste, TKonfliktArt art, TKurs* kurs, TElement* element,
                       int32_t woche, int32_t& schwere);

// The highest severity in a list, 0 for an empty one.
int32_t HoechsteSchwere(const TListe<TKonflikt>& liste);

}  // namespace orbato
