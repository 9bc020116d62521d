#pragma once

#include <string>

#include "model/elemente/element.h"
#include "model/schnittstellen/menue.h"

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

  // A teacher's caption in this subject's pick menu: his workload in the subject, the rest of
  // his target after `rest`, and `rest`, then the subject's short name.
  std::string KursPopZeile(const TLehrer* lehrer, int32_t rest) const;
  // The pick menus of the subject window: the subject's teachers, and every class of the school,
  // each with its caption; choosing one makes it the element last picked.
  TMenu LehrerPopupFuellen();
  TMenu KlassenPopupFuellen();

  TKurs* NeuerKurs();

  TListe<TLehrer> fLehrer;
  TListe<TKlasse> fKlassen;
  TLehrer* fPopLehrer = nullptr;
  TKlasse* fPopKlasse = nullptr;
};

}  // namespace orbato
