#pragma once

#include <cstdint>
#include <vector>

#include "model/elemente/kuerzelart.h"
#include "model/schnittstellen/menue.h"
#include "model/woche/wochbereich.h"

namespace orbato {

class TElement;
class TKurs;
class TSchule;
class TSetzung;

// Whose plans "Pläne löschen" clears: the numbers of the setting fPlLoeRadio.
enum TPlLoeschArt : int32_t {
  inAllenPlaenen = 0,
  fuerLehrer = 1,
  fuerKlassen = 2,
  fuerKopplungen = 3,
  fuerFaecher = 4,
  fuerRaeume = 5
};

// The state and commands of the window "Pläne löschen": many placed hours taken out at once,
// those lying in the chosen cells of the week, in every plan or in the plans of a range of
// teachers, classes, couplings, subjects or rooms. The window shows what the accessors answer and
// forwards its controls to the commands.
class TPlanLoeschung {
 public:
  // Takes the kind and both options from the settings, chooses every cell of days
  // 1..fMaxTageNeu in the current version, and the range of the whole list of that kind.
  explicit TPlanLoeschung(TSchule& schule);

  // The radio buttons and check boxes: each writes its setting at once. Choosing a kind sets the
  // range to the first through the last element of its list (none for inAllenPlaenen).
  TPlLoeschArt Art() const;
  void SetzeArt(TPlLoeschArt art);
  bool MitKopplungen() const;
  void SetzeMitKopplungen(bool mit);
  bool OhneFixierte() const;
  void SetzeOhneFixierte(bool ohne);

  // "von" and "bis" work only for a kind of element.
  bool BereichWaehlbar() const { return Art() != inAllenPlaenen; }
  TKuerzelArt ElementArt() const { return static_cast<TKuerzelArt>(Art() - 1); }
  // A "von" after the current "bis" in list order becomes the "bis" element, a "bis" before
  // "von" the "von" element, so that the range never runs backwards.
  void WaehleVon(TElement* element);
  void WaehleBis(TElement* element);
  // The main window's short-name menu of the kind, each entry choosing "von", respectively
  // "bis"; empty while BereichWaehlbar() is false.
  TMenu VonMenu();
  TMenu BisMenu();
  TElement* fVonElement = nullptr;
  TElement* fBisElement = nullptr;

  // The cells "zu löschende Stunden", a week grid over every version.
  const TWochBereich& Zellen() const { return fZellen; }
  // Whether a cell counts as chosen: its state in the current version.
  bool ZelleGewaehlt(int32_t tag, int32_t std) const;
  // The rubber band over the grid from the cell where it started to the cell where it ended:
  // every cell inside takes the opposite of the start cell's state in the current version, in
  // each version of the current selection. Marks the document changed.
  void Ziehen(int32_t vonTag, int32_t vonStd, int32_t bisTag, int32_t bisStd);

  // "Ok": under the message "Die Pläne werden gelöscht." every placement of the courses concerned
  // that lies in a chosen cell is removed, unless the options spare it; one step of the history.
  void Loeschen();
  // The courses "Ok" goes through, in order: every course of the school, or the courses of each
  // element of the range in turn, so that a course of two elements comes twice.
  std::vector<TKurs*> Kurse() const;

 private:
  std::vector<TElement*> Elemente() const;
  int32_t Position(const TElement* element) const;
  TMenu BereichsMenu(bool von);
  bool Verschont(const TKurs& kurs, const TSetzung& setzung) const;
  void KursLoeschen(TKurs& kurs);
  void ZelleLoeschen(TKurs& kurs, int32_t tag, int32_t std);

  TSchule& fSchule;
  TWochBereich fZellen;
};

}  // namespace orbato
