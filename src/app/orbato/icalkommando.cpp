#include "app/orbato/icalkommando.h"

#include <string>
#include <vector>

#include "app/orbato/plankommandos.h"
#include "model/einstellungen/standard.h"
#include "model/elemente/kuerzelart.h"
#include "model/schnittstellen/uhr.h"

#ifdef ORBATO_MIT_LIBICAL
#include "austausch/ical/kalenderexport.h"
#endif

namespace orbato {

int KalenderExportieren(TLauf& lauf) {
  TDatumZeit von = 0, bis = 0;
  if (const auto fehler = LiesVonBis(lauf.aufruf, "ical", von, bis))
    return Falsch(lauf.umgebung, *fehler);
  std::vector<TKuerzelArt> arten;
  if (lauf.aufruf.Option("--lehrer")) arten.push_back(leh);
  if (lauf.aufruf.Option("--klassen")) arten.push_back(kla);
  if (lauf.aufruf.Option("--raeume")) arten.push_back(rau);
  if (arten.empty()) arten = {leh, kla, rau};
#ifdef ORBATO_MIT_LIBICAL
  return MitGeladenemPlan(
      lauf,
      [&](TSchule& schule, TSkriptDialoge&) {
        const TKalenderExport ergebnis = KalenderExport(
            schule, lauf.standard, lauf.aufruf.argumente[2], arten, von, bis, lauf.uhr.Jetzt());
        if (!ergebnis.fehler.empty()) return Fehler(lauf.umgebung, ergebnis.fehler);
        return 0;
      },
      1);
#else
  // The usage is checked all the same; only the writing is missing.
  static_cast<void>(von);
  static_cast<void>(bis);
  static_cast<void>(arten);
  return Fehler(lauf.umgebung,
                "Der Kalenderexport (iCal) ist in dieser Ausgabe nicht enthalten: sie wurde ohne "
                "libical gebaut.");
#endif
}

}  // namespace orbato
