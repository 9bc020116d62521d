#include "app/orbato/automatikkommando.h"

#include <vector>

#include "app/orbato/plankommandos.h"
#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/kurse/kurs.h"
#include "model/schnittstellen/dialoge.h"
#include "persist/plandatei.h"
#include "persist/standardkodierung.h"
#include "placement/wochenspanne.h"
#include "scheduler/automatik.h"
#include "scheduler/begruendung.h"
#include "scheduler/nachbessern.h"

namespace orbato {
namespace {

// A whole-number option within its range; false (with the usage message given) otherwise.
bool ZahlOption(TLauf& lauf, const char* name, int32_t von, int32_t bis, int32_t& ziel,
                int& status) {
  const auto text = lauf.aufruf.Option(name);
  if (!text) return true;
  const auto zahl = DekodiereInt(*text);
  if (!zahl || *zahl < von || *zahl > bis) {
    status =
        Falsch(lauf.umgebung, std::string(name) + " erwartet eine Zahl von " + std::to_string(von) +
                                  " bis " + std::to_string(bis) + ": " + *text);
    return false;
  }
  ziel = *zahl;
  return true;
}

}  // namespace

int Automatik(TLauf& lauf) {
  TStandard& st = lauf.standard;
  int status = 0;
  if (!ZahlOption(lauf, "--prozent", 5, 100, st.fAuProzent, status) ||
      !ZahlOption(lauf, "--std", 1, 5000, st.fAuStd, status))
    return status;
  if (lauf.aufruf.Option("--raum-unwichtig")) st.fAuRaumUnwichtig = true;
  if (lauf.aufruf.Option("--einzel-unwichtig")) st.fAuEinzelUnwichtig = true;
  return MitGeladenemPlan(lauf, [&](TSchule& schule, TSkriptDialoge&) {
    const std::vector<TKurs*> alle(schule.fKursMenge.begin(), schule.fKursMenge.end());
    TAutomatik automatik(alle);
    automatik.Rechne();
    lauf.umgebung.aus << "noch zu setzen: " << automatik.NochZuSetzen() << '\n'
                      << "nicht verplanbar: " << automatik.NichtVerplanbar() << '\n';
    if (lauf.aufruf.Option("--nachbessern")) {
      TNachbessern nachbessern(automatik.AlleKurse());
      nachbessern.Rechne();
      automatik.RestNeuZaehlen();
      lauf.umgebung.aus << "nach dem Nachbessern nicht verplanbar: " << automatik.NichtVerplanbar()
                        << '\n';
    }
    const int32_t woche = Wochenspanne().von;
    for (const TKurs* kurs : automatik.Rest()) {
      lauf.umgebung.aus << "nicht verplanbar: " << Utf8AusCp1252(kurs->OhneRaumZeile(nullptr))
                        << ": " << Utf8AusCp1252(GrundOffen(*kurs, woche)) << '\n';
    }
    Sichere(schule, lauf.aufruf.argumente[1]);
    return 0;
  });
}

}  // namespace orbato
