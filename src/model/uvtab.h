#pragma once

#include "model/element.h"

namespace orbato {

class TFach;
class TKlasse;
class TLehrer;

// A named teaching-distribution table: which teachers, subjects and classes it shows.
class TUVTab : public TElement {
 public:
  ~TUVTab() override;
  TKuerzelArt Art() const override { return uvt; }

  bool fIstFach = false;
  TListe<TLehrer> fLehrer;
  TListe<TKlasse> fKlassen;
  TListe<TFach> fFaecher;
};

}  // namespace orbato
