#include "app/orbato/kommandozeile.h"

#include "app/orbato/ausfallkommando.h"
#include "app/orbato/automatikkommando.h"
#include "app/orbato/fehltkommando.h"
#include "app/orbato/gpukommandos.h"
#include "app/orbato/htmlkommando.h"
#include "app/orbato/kompkommando.h"
#include "app/orbato/lauf.h"
#include "app/orbato/optimierkommando.h"
#include "app/orbato/plankommandos.h"
#include "app/orbato/pruefkommando.h"
#include "app/orbato/qualitaetskommando.h"
#include "app/orbato/textkommandos.h"
#include "app/orbato/vertretenkommando.h"
#include "app/orbato/vertretungshtmlkommando.h"
#include "app/orbato/vertretungskommando.h"

#include <map>
#include <optional>
#include <ostream>

#include "model/basis/zeichensatz.h"
#include "model/einstellungen/standard.h"
#include "model/schnittstellen/uhr.h"
#include "persist/inidatei.h"
#include "persist/standardkodierung.h"
#include "persist/standardspeicher.h"
#include "persist/streamfehler.h"

namespace orbato {
namespace {

struct TOption {
  const char* name;
  bool mitWert;
};

struct TKommando {
  const char* name;
  const char* aufruf;  // the arguments as the usage text shows them
  const char* zweck;
  std::size_t minArgumente, maxArgumente;
  std::vector<TOption> optionen;
  int (*ausfuehren)(TLauf&);
};

// Reads a value for one run without ever writing to the user's store: written values and the
// overrides of --set stay in memory in front of it.
class TSpeicherMitVorrang : public Einstellungsspeicher {
 public:
  explicit TSpeicherMitVorrang(Einstellungsspeicher& basis) : fBasis(basis) {}
  void OeffneSchluessel(const std::string& schluessel) override {
    fBasis.OeffneSchluessel(schluessel);
    fVorrang.OeffneSchluessel(schluessel);
  }
  bool HatWert(const std::string& name) const override {
    return fVorrang.HatWert(name) || fBasis.HatWert(name);
  }
  std::string LiesWert(const std::string& name) const override {
    return fVorrang.HatWert(name) ? fVorrang.LiesWert(name) : fBasis.LiesWert(name);
  }
  void SchreibeWert(const std::string& name, const std::string& wert) override {
    fVorrang.SchreibeWert(name, wert);
  }
  TEinstellungenImSpeicher& Vorrang() { return fVorrang; }

 private:
  Einstellungsspeicher& fBasis;
  TEinstellungenImSpeicher fVorrang;
};

const std::vector<TOption> kGemeinsameOptionen = {
    {"--einstellungen", true}, {"--set", true}, {"--heute", true}};

// Prints the settings as they would be stored: every key in order, every value of the layout.
int Einstellungen(TLauf& lauf) {
  TEinstellungenImSpeicher gespeichert;
  SaveStandard(lauf.standard, gespeichert);
  std::ostream& aus = lauf.umgebung.aus;
  bool erster = true;
  for (const auto& schluessel : gespeichert.Schluessel()) {
    if (!erster) aus << '\n';
    erster = false;
    aus << '[' << Utf8AusCp1252(schluessel.name) << "]\n";
    for (const auto& [name, wert] : schluessel.werte) {
      aus << Utf8AusCp1252(name) << '=' << Utf8AusCp1252(wert) << '\n';
    }
  }
  return 0;
}

// Printing lives outside the core; the program hands it in when it was built with Qt.
int Drucken(TLauf& lauf) {
  if (lauf.umgebung.drucken) return lauf.umgebung.drucken(lauf);
  return Fehler(lauf.umgebung, "Dieses Programm wurde ohne Druckausgabe erstellt.");
}

const std::vector<TKommando>& Kommandos() {
  static const std::vector<TKommando> kommandos = {
      {"einstellungen",
       "",
       "die Einstellungen ausgeben, wie das Programm sie speichern würde",
       0,
       0,
       {},
       Einstellungen},
      {"neu", "AUS.orb", "ein neues, leeres Dokument schreiben", 1, 1, {}, Neu},
      {"info", "EIN.orb", "das geladene Dokument als JSON beschreiben", 1, 1, {}, Info},
      {"umwandeln", "EIN.orb AUS.orb", "laden und unter neuem Namen sichern", 2, 2, {}, Umwandeln},
      {"demo",
       "AUS.orb [--groesse klein|mittel|gross]",
       "die Demo-Schule schreiben",
       1,
       1,
       {{"--groesse", true}},
       Demo},
      {"import",
       "TEXT AUS.orb [--in EIN.orb] [--nein]",
       "eine Kursdatei einlesen und als Plandatei sichern",
       2,
       2,
       {{"--in", true}, {"--nein", false}},
       Importieren},
      {"import-gpu",
       "ORDNER AUS.orb [--in EIN.orb] [--nein] [--trennzeichen C] [--kodierung utf8|cp1252]",
       "die Untis-Dateien (GPU) eines Ordners einlesen, den Bericht ausgeben und sichern",
       2,
       2,
       {{"--in", true}, {"--nein", false}, {"--trennzeichen", true}, {"--kodierung", true}},
       GpuImportieren},
      {"export",
       "ART EIN.orb AUS [--von JJJJ-MM-TT --bis JJJJ-MM-TT] [--trennzeichen C] [--utf8] "
       "[--lehrer|--klassen|--raeume]",
       "eine Textdatei schreiben: kurse, csv, schulmanager, lehrerplaene, klassenplaene, "
       "raumplaene, vertretungen; gpu schreibt die Untis-Dateien in den Ordner AUS, ical je "
       "Lehrer, Klasse und Raum einen Kalender der Tage von --von bis --bis",
       3,
       3,
       {{"--von", true},
        {"--bis", true},
        {"--trennzeichen", true},
        {"--utf8", false},
        {"--lehrer", false},
        {"--klassen", false},
        {"--raeume", false}},
       Exportieren},
      {"html",
       "EIN.orb ORDNER [--schulname TEXT] [--ohne-stylesheet]",
       "das Planinformationssystem der aktuellen Planversion in den neuen Ordner schreiben",
       2,
       2,
       {{"--schulname", true}, {"--ohne-stylesheet", false}},
       PlanHTMLKommando},
      {"pruefen",
       "EIN.orb [--test NAME]… [--aus AUS.orb]",
       "die Plan-Prüfungen ausführen und ihre Meldungen ausgeben",
       1,
       1,
       {{"--test", true}, {"--aus", true}},
       PlanPruefen},
      {"automatik",
       "EIN.orb AUS.orb [--prozent N] [--std N] [--raum-unwichtig] [--einzel-unwichtig] "
       "[--nachbessern]",
       "die offenen Stunden aller Kurse automatisch setzen und sichern",
       2,
       2,
       {{"--prozent", true},
        {"--std", true},
        {"--raum-unwichtig", false},
        {"--einzel-unwichtig", false},
        {"--nachbessern", false}},
       Automatik},
      {"komprimieren",
       "EIN.orb AUS.orb [--bruecken] [--mehrfach]",
       "die Hohlstunden der Klassen schließen und das Ergebnis sichern",
       2,
       2,
       {{"--bruecken", false}, {"--mehrfach", false}},
       PlanKomprimieren},
      {"optimieren",
       "EIN.orb AUS.orb [--sekunden N] [--gewichte DATEI]",
       "Spring- und Hohlstunden der aktuellen Planversion verringern und das Ergebnis sichern",
       2,
       2,
       {{"--sekunden", true}, {"--gewichte", true}},
       Optimieren},
      {"qualitaet",
       "EIN.orb [--woche N]",
       "die Kennzahlen einer Planversion als JSON ausgeben",
       1,
       1,
       {{"--woche", true}},
       Qualitaet},
      {"fehlt",
       "EIN.orb AUS.orb DATUM ART KUERZEL STUNDEN [--grund X] [--bis JJJJ-MM-TT]",
       "eine Fehlzeit eintragen (ART lehrer, klasse oder raum; STUNDEN wie 1-4 oder keine) "
       "und sichern",
       6,
       6,
       {{"--grund", true}, {"--bis", true}},
       Fehlt},
      {"ausfall",
       "EIN.orb KW JAHR",
       "den wöchentlichen Unterrichtsausfall einer Kalenderwoche ausgeben",
       3,
       3,
       {},
       WochenAusfallKommando},
      {"vertreten",
       "EIN.orb AUS.orb DATUM ZEILE [--lehrer K] [--raum K] [--fach K] [--frei] [--lbem TEXT] "
       "[--sbem TEXT] [--statt N] [--anrechnen]",
       "eine Vertretung des Tages bearbeiten, wie die Vertretungswahl es tut, und sichern",
       4,
       4,
       {{"--lehrer", true},
        {"--raum", true},
        {"--fach", true},
        {"--frei", false},
        {"--lbem", true},
        {"--sbem", true},
        {"--statt", true},
        {"--anrechnen", false}},
       Vertreten},
      {"vertretungen",
       "EIN.orb DATUM [--inaktiv]",
       "die Vertretungen eines Tages ausgeben, wie das Fenster \"Vertretungen\" sie zeigt",
       2,
       2,
       {{"--inaktiv", false}},
       VertretungenKommando},
      {"vertretung-html",
       "EIN.orb DATUM ZIEL [--einstellung N] [--schulname TEXT] [--ohne-stylesheet]",
       "die Vertretungsseiten eines Tages als HTML veröffentlichen",
       3,
       3,
       {{"--einstellung", true}, {"--schulname", true}, {"--ohne-stylesheet", false}},
       VertretungHTMLKommando},
      {"drucken",
       "ART EIN.orb AUS.pdf [--datum JJJJ-MM-TT]",
       "einen Ausdruck des Menüs \"Drucken\" als PDF schreiben (ART wie lehrerplaene, "
       "uebersicht-klassen, vertretungsplan)",
       3,
       3,
       {{"--datum", true}},
       Drucken},
  };
  return kommandos;
}

void Aufrufhilfe(std::ostream& aus) {
  aus << "Aufruf: orbato KOMMANDO [OPTIONEN] ARGUMENTE…\n\nKommandos:\n";
  for (const TKommando& k : Kommandos()) {
    std::string zeile = std::string("  ") + k.name + (*k.aufruf ? " " : "") + k.aufruf;
    zeile.resize(std::max<std::size_t>(zeile.size() + 2, 30), ' ');
    aus << zeile << k.zweck << '\n';
  }
  aus << "\nOptionen für jedes Kommando:\n"
         "  --einstellungen DATEI       die Einstellungen aus dieser INI-Datei lesen\n"
         "  --set SCHLÜSSEL/NAME=WERT   einen gespeicherten Wert für diesen Lauf ersetzen\n"
         "                              (mehrfach möglich, z. B. --set Tevi2/pst=8)\n"
         "  --heute JJJJ-MM-TT[THH:MM]  der Zeitpunkt, der als jetzt gilt (ohne Uhrzeit 12:00)\n";
}

std::optional<TDatumZeit> LiesZeitpunkt(const std::string& text) {
  if (text.size() != 10 && text.size() != 16) return std::nullopt;
  if (text[4] != '-' || text[7] != '-' ||
      (text.size() == 16 && (text[10] != 'T' || text[13] != ':'))) {
    return std::nullopt;
  }
  const auto zahl = [&](std::size_t von, std::size_t laenge) {
    return DekodiereInt(std::string_view(text).substr(von, laenge));
  };
  const auto jahr = zahl(0, 4), monat = zahl(5, 2), tag = zahl(8, 2);
  const auto stunde = text.size() == 16 ? zahl(11, 2) : std::optional<int32_t>(12);
  const auto minute = text.size() == 16 ? zahl(14, 2) : std::optional<int32_t>(0);
  if (!jahr || !monat || !tag || !stunde || !minute) return std::nullopt;
  const auto datum = KodiereDatum(*jahr, *monat, *tag);
  const auto zeit = KodiereZeit(*stunde, *minute, 0);
  if (!datum || !zeit) return std::nullopt;
  return *datum + *zeit;
}

// Sorts the words after the command into options and positional arguments.
std::optional<std::string> Zerlege(const TKommando& k, const std::vector<std::string>& worte,
                                   TAufruf& aufruf) {
  for (std::size_t i = 1; i < worte.size(); ++i) {
    const std::string& wort = worte[i];
    if (!wort.starts_with("--")) {
      aufruf.argumente.push_back(wort);
      continue;
    }
    const TOption* option = nullptr;
    for (const auto* liste : {&kGemeinsameOptionen, &k.optionen}) {
      for (const TOption& o : *liste) {
        if (wort == o.name) option = &o;
      }
    }
    if (!option) return "unbekannte Option " + wort;
    if (option->mitWert && i + 1 == worte.size()) return "der Option " + wort + " fehlt ihr Wert";
    aufruf.optionen.emplace(wort, option->mitWert ? worte[++i] : std::string());
    aufruf.folge.emplace_back(wort, option->mitWert ? worte[i] : std::string());
  }
  if (aufruf.argumente.size() < k.minArgumente) return "zu wenige Argumente";
  if (aufruf.argumente.size() > k.maxArgumente) return "zu viele Argumente";
  return std::nullopt;
}

// Puts the --set values in front of the store; answers the first one that names no setting.
std::optional<std::string> Ueberschreibe(const TAufruf& aufruf, TSpeicherMitVorrang& speicher) {
  for (auto [it, ende] = aufruf.optionen.equal_range("--set"); it != ende; ++it) {
    const std::string text = Cp1252AusUtf8(it->second);
    const auto strich = text.find('/');
    const auto gleich = text.find('=', strich == std::string::npos ? 0 : strich);
    if (strich == std::string::npos || gleich == std::string::npos) {
      return "--set erwartet SCHLÜSSEL/NAME=WERT: " + it->second;
    }
    const std::string schluessel = text.substr(0, strich);
    const std::string name = text.substr(strich + 1, gleich - strich - 1);
    int nr = -1;
    for (int k = 0; k < kStandardSchluessel; ++k) {
      if (StandardSchluesselName(k) == schluessel) nr = k;
    }
    if (nr < 0 || !IstStandardWert(nr, name)) {
      return "unbekannter Einstellungswert " + Utf8AusCp1252(schluessel + "/" + name);
    }
    speicher.Vorrang().Setze(schluessel, name, text.substr(gleich + 1));
  }
  return std::nullopt;
}

}  // namespace

std::optional<TDatumZeit> LiesTag(std::string_view text) {
  if (text.size() != 10) return std::nullopt;
  return LiesZeitpunkt(std::string(text));  // without a time of day it is noon
}

std::optional<std::string> LiesVonBis(const TAufruf& aufruf, std::string_view kommando,
                                      TDatumZeit& von, TDatumZeit& bis) {
  const std::pair<const char*, TDatumZeit*> tage[] = {{"--von", &von}, {"--bis", &bis}};
  for (const auto& [name, tag] : tage) {
    const auto text = aufruf.Option(name);
    if (!text) return std::string(kommando) + " braucht --von und --bis";
    const auto gelesen = LiesTag(*text);
    if (!gelesen) return std::string(name) + " erwartet JJJJ-MM-TT: " + *text;
    *tag = *gelesen;
  }
  return std::nullopt;
}

int Falsch(TKommandoUmgebung& u, const std::string& grund) {
  u.fehler << "orbato: " << grund << "\n\n";
  Aufrufhilfe(u.fehler);
  return 2;
}

int Fehler(TKommandoUmgebung& u, const std::string& grund) {
  u.fehler << grund << '\n';
  return 1;
}

int OrbatoAusfuehren(const std::vector<std::string>& worte, TKommandoUmgebung& umgebung) {
  if (worte.empty()) return Falsch(umgebung, "kein Kommando angegeben");
  if (worte[0] == "--help" || worte[0] == "-h" || worte[0] == "hilfe") {
    Aufrufhilfe(umgebung.aus);
    return 0;
  }
  const TKommando* kommando = nullptr;
  for (const TKommando& k : Kommandos()) {
    if (worte[0] == k.name) kommando = &k;
  }
  if (!kommando) return Falsch(umgebung, "unbekanntes Kommando " + worte[0]);

  TAufruf aufruf;
  if (const auto fehler = Zerlege(*kommando, worte, aufruf)) return Falsch(umgebung, *fehler);

  TSystemUhr systemUhr;
  std::optional<TFesteUhr> festeUhr;
  if (const auto heute = aufruf.Option("--heute")) {
    const auto zeitpunkt = LiesZeitpunkt(*heute);
    if (!zeitpunkt) return Falsch(umgebung, "--heute erwartet JJJJ-MM-TT[THH:MM]: " + *heute);
    festeUhr.emplace(*zeitpunkt);
  }
  const Uhr& uhr = festeUhr ? static_cast<const Uhr&>(*festeUhr) : systemUhr;

  std::unique_ptr<Einstellungsspeicher> basis;
  if (const auto datei = aufruf.Option("--einstellungen")) {
    auto ini = std::make_unique<TEinstellungenImSpeicher>();
    try {
      LiesIniDatei(*datei, *ini);
    } catch (const TStreamFehler& fehler) {
      return Fehler(umgebung, Utf8AusCp1252(fehler.what()));
    }
    basis = std::move(ini);
  } else if (umgebung.benutzerEinstellungen) {
    basis = umgebung.benutzerEinstellungen();
  }
  if (!basis) basis = std::make_unique<TEinstellungenImSpeicher>();

  TSpeicherMitVorrang speicher(*basis);
  if (const auto fehler = Ueberschreibe(aufruf, speicher)) return Falsch(umgebung, *fehler);

  TStandard standard(uhr.Jetzt());
  LoadStandard(standard, speicher);
  TStandardEinsetzen eingesetzt(standard);
  TLauf lauf{aufruf, umgebung, standard, uhr};
  return kommando->ausfuehren(lauf);
}

}  // namespace orbato
