#pragma once

#include <cstdint>

#include "checks/befund.h"

namespace orbato {

class Dialoge;
class TSchule;
class TWochBereich;

// The state of one consistency run, shared by its passes: the findings, the beep of the audible
// repairs, and whether anything in the document changed.
struct TAbgleich {
  TBefund& fBefund;
  Dialoge& fDialoge;
  bool fGeaendert = false;

  // A repair the user hears.
  void Laut();
  // A repair without a sound.
  void Still();
  // A grid that was brought in line: a change, but no finding.
  void Angeglichen(bool geaendert) { fGeaendert = fGeaendert || geaendert; }
};

// The bits of a day word that stand for periods 1..16.
inline constexpr uint32_t kStundenBits = 0xFFFFu;

// ziel := quelle in the versions in use, days 1..7; true when a word changed.
bool Uebernimm(TWochBereich& ziel, const TWochBereich& quelle);
// Clears in `sperrung` every cell that `besetzung` occupies; true when a cell was cleared.
bool Entsperre(TWochBereich& sperrung, const TWochBereich& besetzung);

// The passes, in the order KonsistenzTest runs them. The courses come first, because the others
// read the back-references and course grids they restore.
void KurseAbgleichen(TSchule& schule, TAbgleich& abgleich);
void LehrerAbgleichen(TSchule& schule, TAbgleich& abgleich);
void KlassenAbgleichen(TSchule& schule, TAbgleich& abgleich);
void RaeumeAbgleichen(TSchule& schule, TAbgleich& abgleich);
void KopplungenPruefen(TSchule& schule, TAbgleich& abgleich);

}  // namespace orbato
