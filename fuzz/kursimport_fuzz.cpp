// Course exchange files from outside imported into a small school: nothing may crash, every course
// must be listed by the elements it names and hold its placements inside the grid, and whatever
// was imported must export into a file that imports again with as many courses.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "kurspruefung.h"
#include "model/dokument/schule.h"
#include "model/schnittstellen/dialoge.h"
#include "persist/kursexport.h"
#include "persist/kursimport.h"

namespace {

using namespace orbato;
using namespace orbato::fuzz;

void PruefeKurs(const TKurs* k) {
  const TStandard& st = Standard();
  PruefeVerweise(k);
  for (const TSetzung* s : k->fSetzungen) {
    Pruefe(s->fWoche >= 1 && s->fWoche <= st.WochenZahl());
    Pruefe(s->fTag >= 1 && s->fTag <= st.fMaxTageNeu && st.fMaxTageNeu <= kMaxTage);
    Pruefe(s->fStunde >= 1 && s->fStunde <= kMaxStunden);
    Pruefe(s->fRaum == nullptr || k->HatRaum(s->fRaum));
  }
  for (int32_t w = 1; w <= st.WochenZahl(); ++w) {
    Pruefe(std::abs(k->fStunden.GetWochenStunde(w)) <= 112);
    for (int32_t t = 1; t <= kMaxTage; ++t) {
      for (int32_t p = 1; p <= kMaxStunden; ++p) {
        Pruefe(!k->fBesetzung.GetWocheTagStd(w, t, p) || k->SetzungFinden(w, t, p));
      }
    }
  }
  Pruefe(k->fFaktor >= 1 && k->fFaktor <= 10000);
  Pruefe(k->fStdProTag >= 1 && k->fStdProTag <= kMaxStunden);
  Pruefe(k->fEinzelStd >= 0 && k->fEinzelStd <= kMaxTage);
  Pruefe(k->fTabellenNr >= 1 && k->fTabellenNr <= 4);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
  TStandard standard;
  TStandardEinsetzen standardEingesetzt(standard);
  standard.SetMaxWocheNeu(2);
  standard.fEineWoche = false;
  standard.fMaxTageNeu = 5;
  TSchule schule;
  TSkriptDialoge dialoge;
  schule.HoleLehrer("MUE");
  schule.HoleKlasse("5a");
  schule.HoleRaum("R1");
  const std::vector<uint8_t> datei(daten, daten + groesse);
  const TImportErgebnis ergebnis = TImportForm(schule, dialoge).ImportFromBytes(datei, "fuzz.txt");
  if (ergebnis != TImportErgebnis::Importiert) {
    Pruefe(schule.fKursMenge.ListeZahlElemente() == 0 &&
           schule.fLehrerMenge.ListeZahlElemente() == 1);
    return 0;
  }
  for (const TKurs* k : schule.fKursMenge) PruefeKurs(k);

  // The right double quote (0x94) has U+201D, whose low byte the export writes as the group
  // separator; a text holding it cannot travel through the exchange file.
  if (std::find(datei.begin(), datei.end(), 0x94) != datei.end()) return 0;
  TSchule wieder;
  TSkriptDialoge stumm;
  Pruefe(TImportForm(wieder, stumm).ImportFromBytes(KursExportBytes(schule), "wieder.txt") ==
         TImportErgebnis::Importiert);
  Pruefe(wieder.fKursMenge.ListeZahlElemente() == schule.fKursMenge.ListeZahlElemente());
  return 0;
}
