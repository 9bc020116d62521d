#include "persist/wiederherstellung.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "model/basis/datumformat.h"
#include "model/dokument/schule.h"
#include "model/schnittstellen/dialoge.h"
#include "persist/dateistand.h"
#include "persist/plangrenzen.h"
#include "persist/planschreiber.h"
#include "persist/sicherndatei.h"

namespace orbato {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kEndung = ".wiederherstellung";
constexpr std::string_view kUnbenannt = "unbenannt-";
constexpr std::string_view kUnbenanntEndung = ".orb.wiederherstellung";

// The process number in "unbenannt-PID.orb.wiederherstellung"; none for other names.
std::optional<int64_t> UnbenanntPid(const std::string& name) {
  if (name.size() <= kUnbenannt.size() + kUnbenanntEndung.size() || !name.starts_with(kUnbenannt) ||
      !name.ends_with(kUnbenanntEndung)) {
    return std::nullopt;
  }
  const std::string ziffern =
      name.substr(kUnbenannt.size(), name.size() - kUnbenannt.size() - kUnbenanntEndung.size());
  if (!std::all_of(ziffern.begin(), ziffern.end(), [](char c) { return c >= '0' && c <= '9'; }) ||
      ziffern.size() > 18) {
    return std::nullopt;
  }
  return std::stoll(ziffern);
}

}  // namespace

std::string WiederherstellungsPfad(const std::string& plan) {
  return plan + std::string(kEndung);
}

std::string UnbenanntPfad(const std::string& datenOrdner, int64_t pid) {
  return (fs::path(datenOrdner) /
          (std::string(kUnbenannt) + std::to_string(pid) + std::string(kUnbenanntEndung)))
      .string();
}

void SchreibeWiederherstellung(const std::string& pfad, TSchule& schule) {
  if (PlanGrenzenUeberschritten(schule)) return;
  // The user's data folder may not exist before the first untitled document is written.
  std::error_code egal;
  fs::create_directories(fs::path(pfad).parent_path(), egal);
  TSchuleEinsetzen eingesetzt(schule);
  SchreibeDateiSicher(pfad, TWriteForm::PlanBytes(schule));
}

std::optional<TDatumZeit> WiederherstellungNeuer(const std::string& plan) {
  const std::optional<TDateiStand> rettung = DateiStand(WiederherstellungsPfad(plan));
  if (!rettung) return std::nullopt;
  const std::optional<TDateiStand> stand = DateiStand(plan);
  if (stand && stand->fZeitNs >= rettung->fZeitNs) return std::nullopt;
  return OrtsZeit(rettung->fZeitNs);
}

std::vector<TUnbenannteWiederherstellung> VerwaisteUnbenannte(
    const std::string& datenOrdner, const std::function<bool(int64_t)>& lebt) {
  std::vector<std::pair<int64_t, std::string>> gefunden;
  std::error_code fehler;
  for (const fs::directory_entry& e : fs::directory_iterator(datenOrdner, fehler)) {
    const std::optional<int64_t> pid = UnbenanntPid(e.path().filename().string());
    if (!pid || lebt(*pid)) continue;
    if (const std::optional<TDateiStand> stand = DateiStand(e.path().string())) {
      gefunden.emplace_back(stand->fZeitNs, e.path().string());
    }
  }
  std::sort(gefunden.begin(), gefunden.end(), std::greater<>());
  std::vector<TUnbenannteWiederherstellung> liste;
  for (const auto& [zeit, pfad] : gefunden) liste.push_back({pfad, OrtsZeit(zeit)});
  return liste;
}

std::optional<std::string> DefektBeiseite(const std::string& pfad) {
  for (int nr = 1; nr < 100; ++nr) {
    const std::string ziel = pfad + ".defekt" + (nr == 1 ? std::string() : std::to_string(nr));
    std::error_code fehler;
    if (fs::exists(fs::symlink_status(ziel, fehler))) continue;
    if (std::rename(pfad.c_str(), ziel.c_str()) == 0) return ziel;
    return std::nullopt;
  }
  return std::nullopt;
}

TWiederherstellAntwort FrageWiederherstellung(Dialoge& dialoge, const std::string& name,
                                              TDatumZeit zeit) {
  const std::string wofuer = name.empty() ? "ein Dokument ohne Titel" : name;
  const int antwort =
      dialoge.Frage("Wiederherstellung",
                    {"F\xFCr " + wofuer + " gibt es ungesicherte \xC4nderungen vom " +
                         FormatDatum("dd.mm.yyyy hh:nn", zeit) + ",",
                     "die nach einem Absturz erhalten blieben."},
                    {"Wiederherstellen", "Verwerfen", "Abbrechen"});
  return antwort == 0   ? TWiederherstellAntwort::Wiederherstellen
         : antwort == 1 ? TWiederherstellAntwort::Verwerfen
                        : TWiederherstellAntwort::Abbrechen;
}

}  // namespace orbato
