#include "app/orbato/vertretungskommando.h"

#include <string>

#include "app/orbato/plankommandos.h"
#include "model/basis/zeichensatz.h"
#include "model/einstellungen/standard.h"
#include "persist/standardkodierung.h"
#include "substitution/vertretungsform.h"

namespace orbato {
namespace {

// One line of tab-separated fields, UTF-8.
template <class Felder, class Text>
void Zeile(std::ostream& aus, const Felder& felder, Text&& text) {
  bool erstes = true;
  for (const auto& feld : felder) {
    if (!erstes) aus << '\t';
    erstes = false;
    aus << Utf8AusCp1252(text(feld));
  }
  aus << '\n';
}

}  // namespace

int VertretungenKommando(TLauf& lauf) {
  const std::string& datumText = lauf.aufruf.argumente[1];
  const std::optional<TDatumZeit> datum = LiesTag(datumText);
  if (!datum) return Falsch(lauf.umgebung, "DATUM erwartet JJJJ-MM-TT: " + datumText);
  return MitGeladenemPlan(lauf, [&](TSchule& schule, TSkriptDialoge&) {
    // The check box of the window, for this run only.
    TStandard& standard = lauf.standard;
    standard.fVertrInaktivCheck = lauf.aufruf.Option("--inaktiv").has_value();
    TVertretungsForm form(schule, standard, *datum);
    form.Oeffnen();
    std::ostream& aus = lauf.umgebung.aus;
    Zeile(aus, TVertretungsForm::Spalten(), [](std::string_view t) { return std::string(t); });
    for (const TVertrZeile& z : form.Zeilen()) {
      Zeile(aus, z.fZellen, [](const TVertrZelle& c) { return c.fText; });
    }
    return 0;
  });
}

}  // namespace orbato
