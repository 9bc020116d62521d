// Plan files from outside: loading must either succeed or fail with the stream's error, never
// crash, leak or hang, and whatever loads must save into a file that loads again.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "model/schnittstellen/dialoge.h"
#include "model/schnittstellen/uhr.h"
#include "persist/plandatei.h"
#include "persist/planschreiber.h"
#include "persist/puffer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
  using namespace orbato;
  TStandard standard;
  TStandardEinsetzen standardEingesetzt(standard);
  TSchule benutzer;
  TSchuleEinsetzen benutzerEingesetzt(benutzer);
  TSkriptDialoge dialoge;
  const TFesteUhr uhr(46364.5);
  std::vector<uint8_t> gesichert;
  try {
    TGeladenerPlan plan = LadePlan({daten, daten + groesse}, "fuzz.orb", dialoge, uhr);
    TSchuleEinsetzen eingesetzt(*plan.schule);
    gesichert = TWriteForm::PlanBytes(*plan.schule);
  } catch (const TStreamFehler&) {
    return 0;
  }
  try {
    TGeladenerPlan wieder = LadePlan(gesichert, "fuzz.orb", dialoge, uhr);
  } catch (const TStreamFehler&) {
    std::abort();  // a file this program wrote could not be read back
  }
  return 0;
}
