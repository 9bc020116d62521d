#include "app/orbato/ausfallkommando.h"

#include <optional>
#include <string>
#include <vector>

#include "app/orbato/plankommandos.h"
#include "model/basis/zeichensatz.h"
#include "model/vertretung/kalender.h"
#include "persist/standardkodierung.h"
#include "substitution/wochenausfall.h"

namespace orbato {

int WochenAusfallKommando(TLauf& lauf) {
  const std::string& kwText = lauf.aufruf.argumente[1];
  const std::string& jahrText = lauf.aufruf.argumente[2];
  const std::optional<int32_t> kw = DekodiereInt(kwText);
  const std::optional<int32_t> jahr = DekodiereInt(jahrText);
  if (!kw) return Falsch(lauf.umgebung, "KW erwartet eine Zahl: " + kwText);
  if (!jahr) return Falsch(lauf.umgebung, "JAHR erwartet eine Zahl: " + jahrText);
  // Before the file is read: a week that does not exist needs no plan.
  if (!IsoWochenMontag(*kw, *jahr)) {
    return Fehler(lauf.umgebung, "Die Kalenderwoche " + std::to_string(*kw) + " gibt es im Jahr " +
                                     std::to_string(*jahr) + " nicht.");
  }
  return MitGeladenemPlan(lauf, [&](TSchule& schule, TSkriptDialoge&) {
    const std::optional<std::vector<std::string>> zeilen = WochenAusfall(schule, *kw, *jahr);
    for (const std::string& zeile : *zeilen) {
      lauf.umgebung.aus << Utf8AusCp1252(zeile) << '\n';
    }
    return 0;
  });
}

}  // namespace orbato
