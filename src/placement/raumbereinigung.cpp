#include "placement/raumbereinigung.h"

#include <string>
#include <vector>

#include "model/dokument/schule.h"
#include "model/kurse/kurs.h"
#include "model/schnittstellen/dialoge.h"
#include "model/schnittstellen/fenster.h"

namespace orbato {
namespace {

bool Gewarnt(TSchule& schule, const std::vector<std::string>& zeilen) {
  return schule.Dialog().Frage("Warnung", zeilen, {"Ok", "Abbrechen"}, TMeldungsArt::Warnung) == 0;
}

// A copy, since removing a room changes the list walked.
std::vector<TRaum*> Raeume(const TListe<TRaum>& liste) {
  return {liste.begin(), liste.end()};
}

void Abschliessen(TSchule& schule, bool geaendert) {
  if (!geaendert) return;
  schule.fVerlauf.Leeren();
  schule.FensterAktualisieren();
}

}  // namespace

bool UnbelegteRaeumeLoeschen(TSchule& schule) {
  if (!Gewarnt(schule, {"L\xF6sche in allen Deputaten", "diejenigen R\xE4ume, die in den",
                        "Pl\xE4nen nicht benutzt wurden."})) {
    return false;
  }
  TMeldungsFenster meldung(schule.Dialog(), "Die unverplanten R\xE4ume werden gel\xF6scht.");
  if (Fenster* alle = schule.OffenesFenster(TFensterTyp::AlleKurse)) alle->FensterSchliessen();
  bool geaendert = false;
  for (TKurs* kurs : schule.fKursMenge) {
    for (TRaum* r : Raeume(kurs->fRaeume)) {
      if (kurs->HatSetzungIn(r)) continue;
      kurs->RaumEntfernen(r);
      geaendert = true;
    }
  }
  Abschliessen(schule, geaendert);
  return true;
}

bool ErgaenzteRaeumeLoeschen(TSchule& schule) {
  if (!Gewarnt(schule, {"L\xF6sche in allen Pl\xE4nen und", "Deputaten diejenigen R\xE4ume,",
                        "die sp\xE4ter in den Pl\xE4nen", "eingetragen wurden."})) {
    return false;
  }
  TMeldungsFenster meldung(schule.Dialog(),
                           "Die sp\xE4ter erg\xE4nzten R\xE4ume werden gel\xF6scht.");
  bool geaendert = false;
  for (TKurs* kurs : schule.fKursMenge) {
    for (TRaum* r : Raeume(kurs->fRaumErgaenzt)) {
      kurs->RaumEntfernen(r);
      geaendert = true;
    }
  }
  Abschliessen(schule, geaendert);
  return true;
}

}  // namespace orbato
