// Settings files from outside: an INI text is read into a store, loaded into a settings object and
// saved again. Nothing may crash, and saving what was loaded must load to the same values.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "persist/inidatei.h"
#include "persist/standardspeicher.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
  using namespace orbato;
  TEinstellungenImSpeicher ini;
  LiesIniText(std::string_view(reinterpret_cast<const char*>(daten), groesse), ini);
  TStandard geladen;
  LoadStandard(geladen, ini);

  TEinstellungenImSpeicher gespeichert;
  SaveStandard(geladen, gespeichert);
  TStandard wieder;
  LoadStandard(wieder, gespeichert);
  TEinstellungenImSpeicher nochmal;
  SaveStandard(wieder, nochmal);
  for (std::size_t k = 0; k < gespeichert.Schluessel().size(); ++k) {
    if (gespeichert.Schluessel()[k].werte != nochmal.Schluessel()[k].werte) std::abort();
  }
  return 0;
}
