#pragma once

#include "model/element.h"

namespace orbato {

class TKlasse;
class TLehrer;

class TFach : public TElement {
 public:
  ~TFach() override;
  TKuerzelArt Art() const override { return fac; }

  int32_t LehrerSumme(const TLehrer* lehrer) const;
  int32_t KlassenSumme(const TKlasse* klasse) const;
  // A new teacher also gets the subject in his own list.
  void NeuerLehrer(TLehrer* lehrer);
  void NeueKlasse(TKlasse* klasse);
  void LehrerEntfernen(TLehrer* lehrer);
  // Only while no course of the subject contains the class.
  void KlasseEntfernen(TKlasse* klasse);

  TListe<TLehrer> fLehrer;
  TListe<TKlasse> fKlassen;
  TLehrer* fPopLehrer = nullptr;
  TKlasse* fPopKlasse = nullptr;
};

}  // namespace orbato
