// The commands of the menu "Pläne".
#include <string>

#include "scheduler/komprimieren.h"
#include "ui/hauptfenster/orbatopalette.h"
#include "ui/plaene/komprimierfenster.h"

namespace orbato {

// The run redraws every open window once at its end, and says what it did: the window closes
// by itself when the run ends.
void TOrbatoPalette::Komprimieren() {
  if (!fDokumentOffen || !KompWarnung(fDialoge)) return;
  WiederherstellungSchreiben();
  const int32_t vorher = SchulHohlStunden(*fSchule);
  TKompForm fenster(*fSchule, *fStandard, this);
  fenster.exec();
  const TKomprimierung& lauf = fenster.Kompression();
  if (lauf.Durchgaenge() == 0) return;
  fDialoge.Nachricht("Komprimieren",
                     {"Hohlstunden der Klassen: " + std::to_string(vorher) + " vorher, " +
                          std::to_string(SchulHohlStunden(*fSchule)) + " nachher",
                      "Verschobene Stunden: " + std::to_string(lauf.Verschiebungen())},
                     TMeldungsArt::Information);
}

}  // namespace orbato
