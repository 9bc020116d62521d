#include "app/orbato/pruefkommando.h"

#include <algorithm>
#include <vector>

#include "app/orbato/plankommandos.h"
#include "checks/fehlerausgabe.h"
#include "checks/pruefung.h"
#include "model/dokument/schule.h"
#include "model/schnittstellen/dialoge.h"
#include "persist/plandatei.h"

namespace orbato {

int PlanPruefen(TLauf& lauf) {
  std::vector<TPruefung> gewaehlt;
  for (auto [it, ende] = lauf.aufruf.optionen.equal_range("--test"); it != ende; ++it) {
    const auto pruefung = PruefungAusName(it->second);
    if (!pruefung) {
      return Falsch(lauf.umgebung,
                    "--test erwartet konsistenz, bruecken, raeume, stunden, "
                    "versionen, kopplungen oder einzel: " +
                        it->second);
    }
    gewaehlt.push_back(*pruefung);
  }
  std::vector<TPruefung> folge;
  for (TPruefung p : kAllePruefungen) {
    if (gewaehlt.empty() || std::ranges::find(gewaehlt, p) != gewaehlt.end()) folge.push_back(p);
  }
  return MitGeladenemPlan(lauf, [&](TSchule& schule, TSkriptDialoge& dialoge) {
    TFehlerSammlung fehler;
    std::vector<int> stufen;
    for (TPruefung p : folge) stufen.push_back(PruefungAusfuehren(schule, p, dialoge, fehler));
    for (const std::string& zeile : fehler.Zeilen())
      lauf.umgebung.aus << Utf8AusCp1252(zeile) << '\n';
    for (int stufe : stufen) lauf.umgebung.aus << Utf8AusCp1252(ErgebnisZeile(stufe)) << '\n';
    if (const auto aus = lauf.aufruf.Option("--aus")) Sichere(schule, *aus);
    return 0;
  });
}

}  // namespace orbato
