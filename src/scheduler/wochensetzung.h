#pragma once

#include <cstdint>
#include <vector>

#include "model/woche/woelem.h"

namespace orbato {

class TAutomatik;
class TKurs;
class TSetzung;
struct TRangZelle;

// Whether the course's week came out with the number of single and multiple hours it asks for:
// all hours of the version placed, `fEinzelStd` days with one hour and, for more than one hour a
// day, the rest in days of exactly `fStdProTag` hours, at least one of them.
bool VerteilungStimmt(const TKurs& kurs, int32_t woche);

// The scheduler's placement of one course's open hours in one plan version: blocks first, in
// the order of the course's rating table, then single hours moved to free days, then the check
// of the distribution. For a coupled course every hour goes in for each course of the coupling
// that still has open hours there.
class TWochenSetzung {
 public:
  TWochenSetzung(TAutomatik& automatik, TKurs& kurs, int32_t woche);
  void Setze(int32_t offen);

 private:
  void BlockPhase();
  void EinzelPhase();
  void VerteilungPruefen();

  // One hour into the cell, with its rooms.
  void SetzeStunde(int32_t tag, int32_t std);
  void RaeumeVergeben(const std::vector<TKurs*>& kurse, const std::vector<TSetzung*>& setzungen,
                      int32_t tag, int32_t std);
  // Takes the hour in the cell out with its whole coupling and gives it back to the count.
  void NimmZurueck(int32_t tag, int32_t std);
  // The lesson the single-hour phase moves: an unfixed one at the start or end of a day with two
  // or more hours, on the day with the fewest; none when there is none.
  TSetzung* RandStunde() const;
  bool EinzelnSetzen();

  bool Unmoeglich(int32_t tag, int32_t std) const;
  // How many periods from the cell on, over the rating table's links, are possible.
  int32_t Lauf(int32_t tag, int32_t std) const;
  bool NachbarnFrei(int32_t tag) const;
  int32_t StundenAm(int32_t tag) const;
  bool HatUnmoeglicheZelle(int32_t tag) const;

  TAutomatik& fAutomatik;
  TKurs& fKurs;
  int32_t fWoche;
  int32_t fOffen = 0;
  const std::vector<TRangZelle>& fZellen;
  TWoElem fVorher{};
};

}  // namespace orbato
