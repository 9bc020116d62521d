#include "app/orbato/optimierkommando.h"

#include <ostream>
#include <string>
#include <vector>

#include "app/orbato/plankommandos.h"
#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "persist/inidatei.h"
#include "persist/standardkodierung.h"
#include "persist/standardspeicher.h"
#include "persist/streamfehler.h"
#include "scheduler/optimierung.h"

namespace orbato {
namespace {

constexpr int kGewichtsSchluessel = 36;

// The weights of the file's key [Tevi36] over those of the settings; a message for a file that
// cannot be read or a name the key does not know.
std::optional<std::string> GewichteLesen(const std::string& pfad, TStandard& standard) {
  TEinstellungenImSpeicher datei;
  try {
    LiesIniDatei(pfad, datei);
  } catch (const TStreamFehler& fehler) {
    return Utf8AusCp1252(fehler.what());
  }
  for (const auto& schluessel : datei.Schluessel()) {
    if (schluessel.name != StandardSchluesselName(kGewichtsSchluessel)) continue;
    for (const auto& [name, wert] : schluessel.werte) {
      if (!IstStandardWert(kGewichtsSchluessel, name))
        return "unbekanntes Gewicht " + Utf8AusCp1252(name) + " in " + pfad;
    }
  }
  LoadStandardSchluessel(standard, datei, kGewichtsSchluessel);
  return std::nullopt;
}

void Zeile(std::ostream& aus, const char* was, int64_t vorher, int64_t nachher) {
  aus << was << ": " << vorher << " vorher, " << nachher << " nachher\n";
}

}  // namespace

int Optimieren(TLauf& lauf) {
  TStandard& st = lauf.standard;
  if (const auto datei = lauf.aufruf.Option("--gewichte")) {
    if (const auto fehler = GewichteLesen(*datei, st)) return Fehler(lauf.umgebung, *fehler);
  }
  if (const auto text = lauf.aufruf.Option("--sekunden")) {
    const auto zahl = DekodiereInt(*text);
    if (!zahl || *zahl < 1 || *zahl > 3600)
      return Falsch(lauf.umgebung, "--sekunden erwartet eine Zahl von 1 bis 3600: " + *text);
    st.fOptimieren.fSekunden = *zahl;
  }
  return MitGeladenemPlan(lauf, [&](TSchule& schule, TSkriptDialoge&) {
    TOptimierung optimierung({schule.fKursMenge.begin(), schule.fKursMenge.end()}, st.fOptimieren);
    optimierung.Rechne();
    Sichere(schule, lauf.aufruf.argumente[1]);
    const TOptimierZahlen& v = optimierung.Vorher();
    const TOptimierZahlen& n = optimierung.Nachher();
    std::ostream& aus = lauf.umgebung.aus;
    Zeile(aus, "Kosten", v.fKosten, n.fKosten);
    Zeile(aus, "Hohlstunden der Klassen", v.fKlassenLuecken, n.fKlassenLuecken);
    Zeile(aus, "Springstunden der Lehrer", v.fLehrerLuecken, n.fLehrerLuecken);
    Zeile(aus, "meiste Springstunden eines Lehrers", v.fSchlechtesterLehrer,
          n.fSchlechtesterLehrer);
    Zeile(aus, "Klassentage mit spätem Beginn", v.fSpaeteBeginne, n.fSpaeteBeginne);
    Zeile(aus, "Klassentage mit einem Fach doppelt", v.fFachDoppelt, n.fFachDoppelt);
    return 0;
  });
}

}  // namespace orbato
