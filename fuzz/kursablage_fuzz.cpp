// Clipboard text from outside pasted as courses into a small school: nothing may crash, and
// whatever is pasted must leave every course listed by the elements it names.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "model/dokument/schule.h"
#include "model/kurse/kursablage.h"
#include "model/schnittstellen/dialoge.h"
#include "model/schnittstellen/zwischenablage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
  using namespace orbato;
  TStandard standard;
  TStandardEinsetzen standardEingesetzt(standard);
  TSchule schule;
  TSchuleEinsetzen schuleEingesetzt(schule);
  TSkriptDialoge dialoge;
  schule.SetDialoge(&dialoge);
  schule.HoleLehrer("MUE");
  schule.HoleKlasse("5a");
  TSpeicherZwischenablage ablage(std::string(reinterpret_cast<const char*>(daten), groesse));
  KurseEinsetzen(schule, ablage);
  for (const TKurs* k : schule.fKursMenge) {
    if (k->fLehrer && k->fLehrer->fKurse.ListeElemNr(k) == 0) std::abort();
    for (const TKlasse* c : k->fKlassen) {
      if (c->fKurse.ListeElemNr(k) == 0) std::abort();
    }
  }
  TSpeicherZwischenablage kopie;
  KurseKopieren(schule, {schule.fKursMenge.begin(), schule.fKursMenge.end()}, false, false, kopie);
  return 0;
}
