// The commands of the menu "Prüfen".
#include <optional>

#include "checks/pruefung.h"
#include "ui/bausteine/wartezeiger.h"
#include "ui/hauptfenster/orbatopalette.h"

namespace orbato {

// The wait cursor lasts while the check runs; the result box comes with the normal one. The
// consistency check may repair grids that every window draws.
void TOrbatoPalette::PlanPruefen(TPruefung pruefung) {
  if (!fDokumentOffen) return;
  std::optional<TWarteZeiger> warten(std::in_place);
  Pruefen(*fSchule, pruefung, fDialoge, fFehler, [&warten] { warten.reset(); });
  if (pruefung == TPruefung::Konsistenz) fSchule->AlleFensterUpdate();
}

}  // namespace orbato
