#include "app/orbato/plankommandos.h"

#include <ostream>

#include "app/orbato/lauf.h"
#include "app/orbato/planinfo.h"
#include "model/basis/zeichensatz.h"
#include "model/demo/demoschule.h"
#include "model/dokument/schule.h"
#include "model/schnittstellen/dialoge.h"
#include "persist/plandatei.h"
#include "persist/planschreiber.h"

namespace orbato {

void Sichere(TSchule& schule, const std::string& pfad) {
  TSchuleEinsetzen eingesetzt(schule);
  TWriteForm(schule.Dialog()).WriteToFile(pfad);
}

int Neu(TLauf& lauf) {
  return MitDateiFehlern(lauf, [&] {
    TSchule schule;
    Sichere(schule, lauf.aufruf.argumente[0]);
    return 0;
  });
}

int Info(TLauf& lauf) {
  return MitDateiFehlern(lauf, [&] {
    TSkriptDialoge dialoge;
    TGeladenerPlan plan = LadePlan(lauf.aufruf.argumente[0], dialoge, lauf.uhr);
    SchreibePlanInfo(lauf.umgebung.aus, *plan.schule, plan.version, lauf.standard);
    return 0;
  });
}

int Umwandeln(TLauf& lauf) {
  return MitDateiFehlern(lauf, [&] {
    TSkriptDialoge dialoge;
    TGeladenerPlan plan = LadePlan(lauf.aufruf.argumente[0], dialoge, lauf.uhr);
    plan.schule->SetDialoge(&dialoge);
    Sichere(*plan.schule, lauf.aufruf.argumente[1]);
    return 0;
  });
}

int Demo(TLauf& lauf) {
  const std::string groesse = lauf.aufruf.Option("--groesse").value_or("mittel");
  TDemoGroesse art = TDemoGroesse::mittel;
  if (groesse == "klein") {
    art = TDemoGroesse::klein;
  } else if (groesse == "gross") {
    art = TDemoGroesse::gross;
  } else if (groesse != "mittel") {
    return Falsch(lauf.umgebung, "--groesse erwartet klein, mittel oder gross: " + groesse);
  }
  return MitDateiFehlern(lauf, [&] {
    TSchule schule;
    TSchuleEinsetzen eingesetzt(schule);
    ErzeugeDemoSchule(schule, lauf.standard, art);
    Sichere(schule, lauf.aufruf.argumente[0]);
    return 0;
  });
}

}  // namespace orbato
