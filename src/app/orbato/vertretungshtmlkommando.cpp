#include "app/orbato/vertretungshtmlkommando.h"

#include <optional>
#include <string>

#include "app/orbato/plankommandos.h"
#include "app/orbato/vertretungskommando.h"
#include "html/vertretungshtml.h"
#include "model/basis/zeichensatz.h"
#include "model/einstellungen/standard.h"
#include "persist/standardkodierung.h"

namespace orbato {

int VertretungHTMLKommando(TLauf& lauf) {
  const std::string& datumText = lauf.aufruf.argumente[1];
  const std::optional<TDatumZeit> datum = LiesTag(datumText);
  if (!datum) return Falsch(lauf.umgebung, "DATUM erwartet JJJJ-MM-TT: " + datumText);
  int32_t layout = 1;
  if (const auto text = lauf.aufruf.Option("--einstellung")) {
    const std::optional<int32_t> zahl = DekodiereInt(*text);
    if (!zahl || *zahl < 1 || *zahl > 4) {
      return Falsch(lauf.umgebung, "--einstellung erwartet 1 bis 4: " + *text);
    }
    layout = *zahl;
  }
  const std::string& ziel = lauf.aufruf.argumente[2];
  return MitGeladenemPlan(lauf, [&](TSchule& schule, TSkriptDialoge&) {
    // "Today" decides the ad-hoc marks.
    schule.SetUhr(&lauf.uhr);
    TStandard& standard = lauf.standard;
    if (const auto name = lauf.aufruf.Option("--schulname")) {
      standard.fSchulname = Cp1252AusUtf8(*name);
    }
    if (lauf.aufruf.Option("--ohne-stylesheet")) standard.fStilvorlageSchreiben = false;
    if (!standard.fVertrHTMLMitTagesordner) {
      VertretungInDateien(schule, *datum, layout, {}, ziel, "");
    } else if (!VertretungImTagesordner(schule, *datum, layout, {}, ziel)) {
      return Fehler(lauf.umgebung, "Kann Verzeichnis nicht erstellen!");
    }
    return 0;
  });
}

}  // namespace orbato
