#include "app/orbato/fehltkommando.h"

#include <optional>
#include <string>
#include <string_view>

#include "app/orbato/plankommandos.h"
#include "model/basis/datum.h"
#include "model/basis/zeichensatz.h"
#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "persist/standardkodierung.h"
#include "substitution/fehlzeiten.h"

namespace orbato {
namespace {

constexpr int32_t kPerioden = 16;

// What the arguments ask for, checked before the plan is loaded.
struct TFehlAuftrag {
  TDatumZeit datum = 0;
  TKuerzelArt art = leh;
  std::string kuerzel;  // Windows-1252
  std::string stunden;  // the period text of the window's row
  std::optional<std::string> grund;
  std::optional<TKalenderDatum> bis;
};

std::optional<TKuerzelArt> LiesArt(std::string_view text) {
  if (text == "lehrer") return leh;
  if (text == "klasse") return kla;
  if (text == "raum") return rau;
  return std::nullopt;
}

std::optional<int32_t> LiesStunde(std::string_view text) {
  if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) {
    return std::nullopt;
  }
  return DekodiereInt(text);
}

// "3", "1-4", "1,3,6-8" or "keine" as sixteen "+"/"-"; a message on a list that is none.
std::optional<std::string> LiesStunden(std::string_view text, std::string& stunden) {
  stunden.assign(kPerioden, '-');
  if (text == "keine") return std::nullopt;
  const std::string falsch = "STUNDEN erwartet Stunden wie 3, 1-4, 1,3,6-8 oder keine: ";
  std::size_t anfang = 0;
  while (anfang <= text.size()) {
    const std::size_t komma = std::min(text.find(',', anfang), text.size());
    const std::string_view teil = text.substr(anfang, komma - anfang);
    const std::size_t strich = teil.find('-');
    const auto von = LiesStunde(teil.substr(0, strich));
    const auto bis = strich == std::string_view::npos ? von : LiesStunde(teil.substr(strich + 1));
    if (!von || !bis || *von > *bis) return falsch + std::string(text);
    if (*von < 1 || *bis > kPerioden) {
      return "die Stunden reichen von 1 bis 16: " + std::string(text);
    }
    for (int32_t std = *von; std <= *bis; ++std) stunden[std - 1] = '+';
    anfang = komma + 1;
  }
  return std::nullopt;
}

// The arguments as a task, or the usage message that refuses them.
std::optional<std::string> LiesAuftrag(const TAufruf& aufruf, TFehlAuftrag& auftrag) {
  const auto& a = aufruf.argumente;
  const auto datum = LiesTag(a[2]);
  if (!datum) return "DATUM erwartet JJJJ-MM-TT: " + a[2];
  auftrag.datum = *datum;
  const auto art = LiesArt(a[3]);
  if (!art) return "ART erwartet lehrer, klasse oder raum: " + a[3];
  auftrag.art = *art;
  auftrag.kuerzel = Cp1252AusUtf8(a[4]);
  if (const auto fehler = LiesStunden(a[5], auftrag.stunden)) return fehler;
  if (const auto grund = aufruf.Option("--grund")) {
    auftrag.grund = Cp1252AusUtf8(*grund);
    if (auftrag.grund->size() != 1) return "--grund erwartet ein Zeichen: " + *grund;
  }
  if (const auto bis = aufruf.Option("--bis")) {
    const auto ende = LiesTag(*bis);
    if (!ende) return "--bis erwartet JJJJ-MM-TT: " + *bis;
    if (GanzerTag(*ende) < GanzerTag(auftrag.datum)) return "--bis liegt vor DATUM: " + *bis;
    auftrag.bis = DekodiereDatum(*ende);
  }
  return std::nullopt;
}

TPlanElement* FindeElement(const TSchule& schule, TKuerzelArt art, std::string_view kuerzel) {
  if (art == leh) return TSchule::HoleElement(schule.fLehrerMenge, kuerzel);
  if (art == kla) return TSchule::HoleElement(schule.fKlassenMenge, kuerzel);
  return TSchule::HoleElement(schule.fRaumMenge, kuerzel);
}

std::string Unbekannt(TKuerzelArt art, const std::string& kuerzel) {
  const char* wer = art == leh ? "Kein Lehrer" : art == kla ? "Keine Klasse" : "Kein Raum";
  return std::string(wer) + " mit dem Kürzel " + Utf8AusCp1252(kuerzel) + ".";
}

// The window's steps: the row of the element, its periods and reason, the long absence from
// that row while the window is still open, then "Ok".
void TrageEin(TSchule& schule, const TStandard& standard, const TFehlAuftrag& auftrag,
              TPlanElement* element) {
  TFehlForm form(schule, standard, auftrag.art, auftrag.datum);
  int32_t zeile = form.ZeileVon(element);
  if (zeile < 0) {
    form.ElementHinzufuegen(element);
    zeile = form.Auswahl();
  }
  form.SetStunden(zeile, auftrag.stunden);
  if (auftrag.grund) form.SetGrund(zeile, *auftrag.grund);
  if (auftrag.bis) {
    TLangeFehlzeit lang(form, form.Zeilen()[static_cast<std::size_t>(zeile)]);
    lang.fTag = auftrag.bis->Tag;
    lang.fMonat = auftrag.bis->Monat;
    lang.fJahr = auftrag.bis->Jahr;
    lang.Ok();
  }
  form.Ok();
}

}  // namespace

int Fehlt(TLauf& lauf) {
  TFehlAuftrag auftrag;
  if (const auto fehler = LiesAuftrag(lauf.aufruf, auftrag)) return Falsch(lauf.umgebung, *fehler);
  return MitGeladenemPlan(lauf, [&](TSchule& schule, TSkriptDialoge&) {
    TPlanElement* element = FindeElement(schule, auftrag.art, auftrag.kuerzel);
    if (!element) return Fehler(lauf.umgebung, Unbekannt(auftrag.art, auftrag.kuerzel));
    TrageEin(schule, lauf.standard, auftrag, element);
    Sichere(schule, lauf.aufruf.argumente[1]);
    return 0;
  });
}

}  // namespace orbato
