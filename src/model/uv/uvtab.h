#pragma once

#include "model/elemente/element.h"

namespace orbato {

class TFach;
class TKlasse;
class TLehrer;

// A named teaching-distribution table: which teachers, subjects and classes it shows. The lists
// only refer to the document's elements; the matrix over them is built by TUVMatrix.
class TUVTab : public TElement {
 public:
  ~TUVTab() override;
  TKuerzelArt Art() const override { return uvt; }

  // true: "Klassen/Fächer", false: "Lehrer/Klassen".
  void SetIstFach(bool istFach);

  // Each adds the element at its sorted place when it is missing and redraws the open windows;
  // the document is marked changed either way. True when the element was added.
  bool NeuerLehrer(TLehrer* lehrer);
  bool NeueKlasse(TKlasse* klasse);
  bool NeuesFach(TFach* fach);
  // Each takes the element out and redraws the open windows; the courses stay in the document.
  // True when the element was in the table.
  bool LehrerEntfernen(TLehrer* lehrer);
  bool KlasseEntfernen(TKlasse* klasse);
  bool FachEntfernen(TFach* fach);

  bool fIstFach = false;
  TListe<TLehrer> fLehrer;
  TListe<TKlasse> fKlassen;
  TListe<TFach> fFaecher;

 private:
  template <class T>
  bool Aufnehmen(TListe<T>& liste, T* element);
  template <class T>
  bool Herausnehmen(TListe<T>& liste, T* element);
};

}  // namespace orbato
