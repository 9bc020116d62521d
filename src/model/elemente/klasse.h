#pragma once

#include <array>

#include "model/elemente/sollelement.h"

namespace orbato {

class TFach;
class TLehrer;
class TRaum;

class TKlasse : public TSollElement {
 public:
  // A class's target starts at the class default fKlSoll.
  TKlasse();
  TKuerzelArt Art() const override { return kla; }

  void SetLehrer1(TLehrer* l);
  void SetLehrer2(TLehrer* l);
  void SetRaum(TRaum* raum);
  void SetKopDop(bool b);

  void NeuerRaum(TRaum* raum);
  // A course of this class with the default lessons and its room.
  TKurs* NeuerKurs();
  // Gap periods of one version counted from period 1 up to the last unfixed lesson of each day;
  // maximum[d] is that lesson's period (0 without one), maxim the largest of them.
  int32_t HohlStunden(int32_t woche, int32_t& maxim, std::array<int32_t, 8>& maximum) const;

  bool KopDop() const override { return fKopDop; }
  void FehltNeuIn(int32_t std, TDatumZeit datum) override;
  void FehltNichtMehrIn(int32_t std, TDatumZeit datum) override;

  TLehrer* fLehrer1 = nullptr;
  TLehrer* fLehrer2 = nullptr;
  TRaum* fRaum = nullptr;
  bool fKopDop = false;
};

}  // namespace orbato
