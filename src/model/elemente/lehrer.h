#pragma once

#include <map>
#include <string>

#include "model/elemente/sollelement.h"

namespace orbato {

class TFach;
class TRaum;

class TLehrer : public TSollElement {
 public:
  ~TLehrer() override;
  TKuerzelArt Art() const override { return leh; }

  void SetRaum(TRaum* raum);
  void SetVStunden1(int32_t n);
  void SetVStunden2(int32_t n);
  void SetfreierTag(bool b);
  void SetVStunden3(int32_t n) { fVStunden3 = n; }
  void SetPopFach(TFach* fach) { fPopFach = fach; }

  void NeuesFach(TFach* fach);
  // Refused (false) while courses of the subject still have lessons in some version.
  bool FachEntfernen(TFach* fach);
  void NeuerRaum(TRaum* raum);
  bool HatUnterrichtInKlasse(const TElement* klasse) const;
  bool HatUnterrichtAmRand(const TElement* klasse) const;
  bool HatKursNichtAngerechnet() const;
  // A course of this teacher with the default lessons and his room.
  TKurs* NeuerKurs();

  TListe<TFach> fFaecher;
  int32_t fVStunden1 = 0, fVStunden2 = 0, fVStunden3 = 0;
  TRaum* fRaum = nullptr;
  TFach* fPopFach = nullptr;
  bool fFreierTag = false;
  std::map<std::string, std::string> fDict;  // month (yyyymm) -> substitution balance
};

}  // namespace orbato
