// Untis GPU files from outside imported into a small school: the input is split at the byte 0x1E
// into GPU001 to GPU006. Nothing may crash, every course must be listed by the elements it names
// and hold its placements inside the grid, and whatever was imported must export into files that
// import again with as many courses and placements.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "austausch/gpu/gpuexport.h"
#include "austausch/gpu/gpuimport.h"
#include "kurspruefung.h"
#include "model/dokument/schule.h"
#include "model/schnittstellen/dialoge.h"

namespace {

using namespace orbato;
using namespace orbato::fuzz;

int PruefeKurse(const TSchule& schule) {
  const TStandard& st = Standard();
  int setzungen = 0;
  for (const TKurs* k : schule.fKursMenge) {
    PruefeVerweise(k);
    for (const TSetzung* s : k->fSetzungen) {
      Pruefe(s->fWoche == st.fAktuelleWoche);
      Pruefe(s->fTag >= 1 && s->fTag <= st.fMaxTageNeu && st.fMaxTageNeu <= kMaxTage);
      Pruefe(s->fStunde >= 1 && s->fStunde <= kMaxStunden);
      Pruefe(s->fRaum == nullptr || k->HatRaum(s->fRaum));
      ++setzungen;
    }
    Pruefe(k->fStunden.GetWochenStunde(st.fAktuelleWoche) >= 0 &&
           k->fStunden.GetWochenStunde(st.fAktuelleWoche) <= 112);
  }
  return setzungen;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
  TStandard standard;
  TStandardEinsetzen standardEingesetzt(standard);
  standard.fMaxTageNeu = 5;
  TSchule schule;
  TSkriptDialoge dialoge;
  schule.HoleLehrer("MUE");
  TGpuDateien dateien;
  int nr = 1;
  for (size_t i = 0; i < groesse && nr <= 6; ++i) {
    if (daten[i] == 0x1E) {
      ++nr;
    } else {
      dateien[nr].push_back(daten[i]);
    }
  }
  const TGpuImportErgebnis ergebnis = TGpuImport(schule, dialoge).Importiere(dateien);
  if (ergebnis != TGpuImportErgebnis::Importiert) {
    Pruefe(schule.fKursMenge.ListeZahlElemente() == 0);
    return 0;
  }
  const int setzungen = PruefeKurse(schule);

  const auto geschrieben = GpuExportDateien(schule, {});
  TGpuDateien wiederDateien;
  for (int datei = 1; datei <= 6; ++datei) {
    wiederDateien[datei] = geschrieben.at("GPU00" + std::to_string(datei) + ".TXT");
  }
  TSchule wieder;
  TSkriptDialoge stumm;
  Pruefe(TGpuImport(wieder, stumm).Importiere(wiederDateien) == TGpuImportErgebnis::Importiert);
  Pruefe(wieder.fKursMenge.ListeZahlElemente() == schule.fKursMenge.ListeZahlElemente());
  Pruefe(PruefeKurse(wieder) == setzungen);
  return 0;
}
