#include "persist/sicherungskopien.h"

#include "persist/dateilesen.h"
#include "persist/dateistand.h"
#include "persist/dateisystem.h"
#include "persist/plangrenzen.h"

namespace orbato {
namespace {

// The copy shows when its version was saved, not when it was shifted.
void ZeitUebernehmen(const std::string& quelle, const std::string& ziel) {
  const std::optional<TDateiStand> stand = DateiStand(quelle);
  if (!stand) return;
  SetzeAenderungszeit(ziel, stand->fZeitNs);
}

void Kopiere(const std::string& quelle, const std::string& ziel, const TDateiSchreiber& schreiben) {
  schreiben(ziel, LiesGanzeDatei(quelle, kPlanDatei));
  ZeitUebernehmen(quelle, ziel);
}

}  // namespace

std::string SicherungsKopie(const std::string& plan, int nr) {
  return plan + "." + std::to_string(nr);
}

void SchreibeMitSicherungsKopien(const std::string& plan, const std::vector<uint8_t>& bytes,
                                 int anzahl, const TDateiSchreiber& schreiben) {
  for (int nr = anzahl; nr >= 1; --nr) {
    const std::string quelle = nr == 1 ? plan : SicherungsKopie(plan, nr - 1);
    if (PfadBelegt(quelle)) Kopiere(quelle, SicherungsKopie(plan, nr), schreiben);
  }
  schreiben(plan, bytes);
}

}  // namespace orbato
