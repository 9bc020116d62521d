#include "app/orbato/qualitaetskommando.h"

#include <optional>
#include <ostream>
#include <string>

#include "app/orbato/jsonausgabe.h"
#include "app/orbato/plankommandos.h"
#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "persist/standardkodierung.h"
#include "scheduler/planqualitaet.h"

namespace orbato {
namespace {

void SchreibeSchlechtesten(TJsonAusgabe& json, const std::optional<TSchlechtester>& s) {
  if (!s) {
    json.Feld("schlechteste", "null");
    return;
  }
  json.FeldAuf("schlechteste", '{');
  json.Feld("kuerzel", JsonText(s->fKuerzel));
  json.Feld("luecken", JsonZahl(s->fLuecken));
  json.Zu();
}

// Layout as `orbato info` writes its object: one member per line, two blanks per level.
void SchreibeQualitaet(std::ostream& aus, int32_t woche, const TPlanQualitaet& q) {
  TJsonAusgabe json(aus);
  json.Auf('{');
  json.Feld("woche", JsonZahl(woche));
  json.Feld("stundenSoll", JsonZahl(q.fStundenSoll));
  json.Feld("stundenGesetzt", JsonZahl(q.fStundenGesetzt));
  json.FeldAuf("klassenLuecken", '{');
  json.Feld("summe", JsonZahl(q.fKlassenLueckenSumme));
  json.Feld("klassen", JsonZahl(q.fKlassenMitLuecken));
  SchreibeSchlechtesten(json, q.fSchlechtesteKlasse);
  json.Zu();
  json.FeldAuf("lehrerLuecken", '{');
  json.Feld("summe", JsonZahl(q.fLehrerLueckenSumme));
  SchreibeSchlechtesten(json, q.fSchlechtesterLehrer);
  json.Feld("ueberGrenze", JsonZahl(q.fLehrerUeberGrenze));
  json.Zu();
  json.Feld("fachDoppeltTage", JsonZahl(q.fFachDoppeltTage));
  json.Feld("lehrerTageUeberMax", JsonZahl(q.fLehrerTageUeberMax));
  json.Feld("lehrerTageUnterMin", JsonZahl(q.fLehrerTageUnterMin));
  json.Feld("freierTagGewuenscht", JsonZahl(q.fFreierTagGewuenscht));
  json.Feld("freierTagErfuellt", JsonZahl(q.fFreierTagErfuellt));
  json.Feld("unverbundeneBloecke", JsonZahl(q.fUnverbundeneBloecke));
  json.Feld("harteVerletzungen", JsonZahl(q.fHarteVerletzungen));
  json.Zu();
  aus << '\n';
}

}  // namespace

int Qualitaet(TLauf& lauf) {
  const std::optional<std::string> text = lauf.aufruf.Option("--woche");
  const std::optional<int32_t> gewuenscht = text ? DekodiereInt(*text) : std::nullopt;
  if (text && (!gewuenscht || *gewuenscht < 1))
    return Falsch(lauf.umgebung, "--woche erwartet eine Versionsnummer: " + *text);
  return MitGeladenemPlan(lauf, [&](TSchule& schule, TSkriptDialoge&) {
    // The number of versions is known only once the file has set it.
    if (gewuenscht && *gewuenscht > lauf.standard.fMaxWocheNeu) {
      return Falsch(lauf.umgebung, "--woche erwartet eine Zahl von 1 bis " +
                                       std::to_string(lauf.standard.fMaxWocheNeu) + ": " + *text);
    }
    const int32_t woche = gewuenscht.value_or(lauf.standard.fAktuelleWoche);
    SchreibeQualitaet(lauf.umgebung.aus, woche, PlanQualitaet(schule, woche));
    return 0;
  });
}

}  // namespace orbato
