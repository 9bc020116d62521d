#include "app/orbato/vertretenkommando.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/orbato/plankommandos.h"
#include "model/basis/datum.h"
#include "model/basis/datumformat.h"
#include "model/basis/zeichensatz.h"
#include "model/dokument/schule.h"
#include "persist/standardkodierung.h"
#include "substitution/vertretungswahl.h"

namespace orbato {
namespace {

// What the arguments ask for, checked before the plan is loaded.
struct TVertretenAuftrag {
  TDatumZeit datum = 0;
  int32_t zeile = 0;
  std::vector<std::pair<std::string, std::string>> schritte;  // the options in order, Windows-1252
};

std::optional<int32_t> LiesNummer(std::string_view text) {
  if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) {
    return std::nullopt;
  }
  const auto zahl = DekodiereInt(text);
  if (!zahl || *zahl < 1) return std::nullopt;
  return zahl;
}

bool IstSchritt(const std::string& option) {
  return option != "--einstellungen" && option != "--set" && option != "--heute";
}

std::optional<std::string> LiesAuftrag(const TAufruf& aufruf, TVertretenAuftrag& auftrag) {
  const auto& a = aufruf.argumente;
  const auto datum = LiesTag(a[2]);
  if (!datum) return "DATUM erwartet JJJJ-MM-TT: " + a[2];
  auftrag.datum = *datum;
  const auto zeile = LiesNummer(a[3]);
  if (!zeile) return "ZEILE erwartet eine Zeilennummer ab 1: " + a[3];
  auftrag.zeile = *zeile;
  for (const auto& [option, wert] : aufruf.folge) {
    if (!IstSchritt(option)) continue;
    if (option == "--statt") {
      if (!LiesNummer(wert)) return "--statt erwartet eine Nummer ab 1: " + wert;
      if (!aufruf.Option("--lehrer")) return "--statt braucht --lehrer";
    }
    auftrag.schritte.emplace_back(option, Cp1252AusUtf8(wert));
  }
  return std::nullopt;
}

std::string Unbekannt(const char* wer, const std::string& kuerzel) {
  return std::string(wer) + " mit dem Kürzel " + Utf8AusCp1252(kuerzel) + ".";
}

// Runs the options one after the other on the form; the message of the first one refused.
class TSchritte {
 public:
  TSchritte(TSchule& schule, TVertretungsWahl& wahl) : fSchule(schule), fWahl(wahl) {}

  std::optional<std::string> Ausfuehren(const std::string& option, const std::string& wert) {
    if (fWahl.Vertretung() == nullptr) return "Die Vertretung gibt es nicht mehr.";
    if (option == "--lehrer") return Lehrer(wert);
    if (option == "--raum") return Raum(wert);
    if (option == "--fach") return Fach(wert);
    if (option == "--statt") return Statt(wert);
    if (option == "--frei") fWahl.Frei();
    if (option == "--lbem") fWahl.SetLBem(wert);
    if (option == "--sbem") fWahl.SetSBem(wert);
    if (option == "--anrechnen") fWahl.Anrechnen(true);
    return std::nullopt;
  }

 private:
  std::optional<std::string> Lehrer(const std::string& kuerzel) {
    TLehrer* lehrer = TSchule::HoleElement(fSchule.fLehrerMenge, kuerzel);
    if (lehrer == nullptr) return Unbekannt("Kein Lehrer", kuerzel);
    fLehrer = lehrer;
    fLehrerName = kuerzel;
    fWahl.LehrerEintragen(lehrer);
    return std::nullopt;
  }

  std::optional<std::string> Raum(const std::string& kuerzel) {
    TRaum* raum = TSchule::HoleElement(fSchule.fRaumMenge, kuerzel);
    if (raum == nullptr) return Unbekannt("Kein Raum", kuerzel);
    fWahl.RaumEintragen(raum);
    return std::nullopt;
  }

  std::optional<std::string> Fach(const std::string& kuerzel) {
    TFach* fach = TSchule::HoleElement(fSchule.fFachMenge, kuerzel);
    if (fach == nullptr) return Unbekannt("Kein Fach", kuerzel);
    fWahl.FachWaehlen(fach);
    return std::nullopt;
  }

  // The teacher of the --lehrer before it, or of the first --lehrer when none came before.
  std::optional<std::string> Statt(const std::string& nummer) {
    TVertretung* v = fWahl.Vertretung();
    if (fLehrer == nullptr) return Unbekannt("Kein Lehrer", fLehrerName);
    const int32_t nr = *LiesNummer(nummer);
    const TMenu menu = v->ErzeugeKlassenMenu(fLehrer);
    const std::string name = Utf8AusCp1252(fLehrer->fKuerzel.str());
    if (nr > static_cast<int32_t>(menu.size())) {
      return "Das Menü \"statt\" für " + name + " hat " + std::to_string(menu.size()) +
             " Einträge.";
    }
    if (!menu[static_cast<std::size_t>(nr - 1)].fEnabled) {
      return "Lehrer " + name + " hat in dieser Stunde selbst Unterricht.";
    }
    if (!v->StattWahl(nr)) return "Der Tausch ist nicht möglich.";
    fWahl.Aktualisieren();
    return std::nullopt;
  }

 public:
  TLehrer* fLehrer = nullptr;
  std::string fLehrerName;

 private:
  TSchule& fSchule;
  TVertretungsWahl& fWahl;
};

std::optional<std::string> Bearbeite(TSchule& schule, TStandard& standard,
                                     const TVertretenAuftrag& auftrag, const TAufruf& aufruf) {
  const std::vector<TVertretung*> zeilen = VertretungenDesTages(schule, auftrag.datum, false);
  if (auftrag.zeile > static_cast<int32_t>(zeilen.size())) {
    return "Die Vertretungen am " +
           Utf8AusCp1252(FormatDatum("ddd, d\".\" mmm yyyy", auftrag.datum)) + " haben " +
           std::to_string(zeilen.size()) + " Zeilen.";
  }
  TVertretungsWahl wahl(schule, standard);
  wahl.Bearbeite(zeilen[static_cast<std::size_t>(auftrag.zeile - 1)]);
  TSchritte schritte(schule, wahl);
  if (const auto lehrer = aufruf.Option("--lehrer")) {
    schritte.fLehrerName = Cp1252AusUtf8(*lehrer);
    schritte.fLehrer = TSchule::HoleElement(schule.fLehrerMenge, schritte.fLehrerName);
  }
  for (const auto& [option, wert] : auftrag.schritte) {
    if (const auto fehler = schritte.Ausfuehren(option, wert)) return fehler;
  }
  return std::nullopt;
}

}  // namespace

int Vertreten(TLauf& lauf) {
  TVertretenAuftrag auftrag;
  if (const auto fehler = LiesAuftrag(lauf.aufruf, auftrag)) return Falsch(lauf.umgebung, *fehler);
  return MitGeladenemPlan(lauf, [&](TSchule& schule, TSkriptDialoge&) {
    if (const auto fehler = Bearbeite(schule, lauf.standard, auftrag, lauf.aufruf)) {
      return Fehler(lauf.umgebung, *fehler);
    }
    Sichere(schule, lauf.aufruf.argumente[1]);
    return 0;
  });
}

}  // namespace orbato
