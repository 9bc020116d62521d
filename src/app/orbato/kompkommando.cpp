#include "app/orbato/kompkommando.h"

#include <ostream>

#include "app/orbato/plankommandos.h"
#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "scheduler/komprimieren.h"

namespace orbato {

int PlanKomprimieren(TLauf& lauf) {
  if (lauf.aufruf.Option("--bruecken")) lauf.standard.fKompBruecken = true;
  if (lauf.aufruf.Option("--mehrfach")) lauf.standard.fKompMehrfach = true;
  return MitGeladenemPlan(lauf, [&](TSchule& schule, TSkriptDialoge&) {
    const int32_t vorher = SchulHohlStunden(schule);
    TKomprimierung komprimierung(schule);
    komprimierung.StartKnopfClick();
    Sichere(schule, lauf.aufruf.argumente[1]);
    lauf.umgebung.aus << "Hohlstunden vorher: " << vorher << '\n'
                      << "Hohlstunden nachher: " << SchulHohlStunden(schule) << '\n';
    return 0;
  });
}

}  // namespace orbato
