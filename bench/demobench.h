#pragma once

#include "model/demo/demoschule.h"
#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/schnittstellen/dialoge.h"

namespace orbato {

// A demo school installed as the program's, with its own settings and scripted dialogs: what the
// benchmarks of the placement engine work on.
struct TDemoBench {
  TStandard standard;
  TStandardEinsetzen standardEingesetzt{standard};
  TSchule schule;
  TSchuleEinsetzen schuleEingesetzt{schule};
  TSkriptDialoge dialoge;

  explicit TDemoBench(TDemoGroesse groesse = TDemoGroesse::gross) {
    schule.SetDialoge(&dialoge);
    ErzeugeDemoSchule(schule, standard, groesse);
  }
};

}  // namespace orbato
