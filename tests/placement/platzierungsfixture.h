#pragma once

#include "model/schnittstellen/dialoge.h"
#include "model/schulfixture.h"

namespace orbato {

// A school of three plan versions with three teachers, three classes, two rooms and two
// subjects, and scripted dialogs, for the tests of the placement rules.
class PlatzierungsTest : public SchulTest {
 protected:
  PlatzierungsTest() { fSchule.SetDialoge(&fDialoge); }

  TSkriptDialoge fDialoge;
  // Set before any element is made, so that every grid has three versions.
  bool fDreiVersionen = (fStandard.fMaxWocheNeu = 3, true);
  TLehrer* fMue = fSchule.HoleLehrer("MUE");
  TLehrer* fSch = fSchule.HoleLehrer("SCH");
  TLehrer* fMei = fSchule.HoleLehrer("MEI");
  TKlasse* f5a = fSchule.HoleKlasse("5a");
  TKlasse* f5b = fSchule.HoleKlasse("5b");
  TKlasse* f6a = fSchule.HoleKlasse("6a");
  TRaum* fR1 = fSchule.HoleRaum("R1");
  TFach* fM = fSchule.HoleFach("M");
  TFach* fD = fSchule.HoleFach("D");
};

}  // namespace orbato
