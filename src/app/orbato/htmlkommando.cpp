#include "app/orbato/htmlkommando.h"

#include "app/orbato/plankommandos.h"
#include "html/planhtml.h"
#include "model/einstellungen/standard.h"

namespace orbato {

int PlanHTMLKommando(TLauf& lauf) {
  if (const auto name = lauf.aufruf.Option("--schulname")) {
    lauf.standard.fSchulname = Cp1252AusUtf8(*name);
  }
  if (lauf.aufruf.Option("--ohne-stylesheet")) lauf.standard.fStilvorlageSchreiben = false;
  return MitGeladenemPlan(lauf, [&](TSchule& schule, TSkriptDialoge& dialoge) {
    if (PlanHTMLExport(schule, lauf.aufruf.argumente[1], dialoge)) return 0;
    // The warning the program showed, in its own words.
    const auto meldungen = dialoge.Protokoll(TDialogVorgang::Nachricht);
    std::string text;
    for (const std::string& zeile : meldungen.back().fZeilen) {
      text += (text.empty() ? "" : "\n") + Utf8AusCp1252(zeile);
    }
    return Fehler(lauf.umgebung, text);
  });
}

}  // namespace orbato
