#pragma once

#include <cstdint>

#include "model/demo/demoschule.h"
#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/elemente/klasse.h"
#include "model/elemente/lehrer.h"
#include "model/kurse/kurs.h"

namespace orbato {

// The large demo school installed as the program's, for the timings of its windows.
struct TGrosseSchule {
  TGrosseSchule() { ErzeugeDemoSchule(schule, standard, TDemoGroesse::gross); }
  TStandard standard;
  TStandardEinsetzen standardEingesetzt{standard};
  TSchule schule;
  TSchuleEinsetzen schuleEingesetzt{schule};
};

// A cell of the first six periods where neither the course's teacher nor its first class has a
// lesson yet.
inline bool FreieZelle(const TKurs& kurs, int32_t& tag, int32_t& std) {
  for (tag = 1; tag <= 5; ++tag) {
    for (std = 1; std <= 6; ++std) {
      if (!kurs.fLehrer->fBesetzung.GetWocheTagStd(1, tag, std) &&
          !kurs.ErsteKlasse()->fBesetzung.GetWocheTagStd(1, tag, std))
        return true;
    }
  }
  return false;
}

}  // namespace orbato
