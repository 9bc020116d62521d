#include "app/orbato/gpukommandos.h"

#include <memory>
#include <optional>

#include "app/orbato/lauf.h"
#include "app/orbato/plankommandos.h"
#include "austausch/gpu/gpuexport.h"
#include "austausch/gpu/gpuimport.h"
#include "model/basis/zeichensatz.h"
#include "model/dokument/schule.h"
#include "model/schnittstellen/dialoge.h"
#include "persist/plandatei.h"

namespace orbato {
namespace {

// "," ";" or a TAB, which a shell passes more easily as "\t" or "tab".
std::optional<char> Trennzeichen(const std::string& text) {
  if (text == "," || text == ";") return text[0];
  if (text == "\t" || text == "\\t" || text == "tab") return '\t';
  return std::nullopt;
}

// --trennzeichen, when given, into `trenner`: the reason for Falsch when it names none of them.
std::optional<std::string> LiesTrennzeichen(const TAufruf& aufruf, char& trenner) {
  const auto text = aufruf.Option("--trennzeichen");
  if (!text) return std::nullopt;
  const auto gelesen = Trennzeichen(*text);
  if (!gelesen) return "--trennzeichen erwartet \",\", \";\" oder tab: " + *text;
  trenner = *gelesen;
  return std::nullopt;
}

}  // namespace

int GpuImportieren(TLauf& lauf) {
  TGpuLesart lesart;
  if (const auto fehler = LiesTrennzeichen(lauf.aufruf, lesart.trenner))
    return Falsch(lauf.umgebung, *fehler);
  if (const auto text = lauf.aufruf.Option("--kodierung")) {
    if (*text != "utf8" && *text != "cp1252") {
      return Falsch(lauf.umgebung, "--kodierung erwartet utf8 oder cp1252: " + *text);
    }
    lesart.kodierung = *text == "utf8" ? TGpuKodierung::Utf8 : TGpuKodierung::Cp1252;
  }
  return MitDateiFehlern(lauf, [&] {
    TSkriptDialoge dialoge;
    const auto ein = lauf.aufruf.Option("--in");
    std::unique_ptr<TSchule> schule =
        ein ? std::move(LadePlan(*ein, dialoge, lauf.uhr).schule) : std::make_unique<TSchule>();
    TSchuleEinsetzen eingesetzt(*schule);
    schule->SetDialoge(&dialoge);
    if (lauf.aufruf.Option("--nein")) dialoge.Antworte("Nein");
    const std::string& ordner = lauf.aufruf.argumente[0];
    TGpuImport import(*schule, dialoge, lesart);
    switch (import.Importiere(LiesGpuOrdner(ordner))) {
      case TGpuImportErgebnis::KeineDateien:
        return Fehler(
            lauf.umgebung,
            "Der Ordner " + ordner + " enthält keine Untis-Dateien (GPU001.TXT bis GPU006.TXT).");
      case TGpuImportErgebnis::Abgelehnt:
        return Fehler(lauf.umgebung, "Die Importdatei enthält unbekannte Kürzel.");
      case TGpuImportErgebnis::Importiert:
        break;
    }
    for (const std::string& zeile : import.Bericht()) {
      lauf.umgebung.aus << Utf8AusCp1252(zeile) << '\n';
    }
    Sichere(*schule, lauf.aufruf.argumente[1]);
    return 0;
  });
}

int GpuExportieren(TLauf& lauf) {
  TGpuExportArt art;
  if (const auto fehler = LiesTrennzeichen(lauf.aufruf, art.schreibart.trenner))
    return Falsch(lauf.umgebung, *fehler);
  art.schreibart.utf8 = lauf.aufruf.Option("--utf8").has_value();
  const auto von = lauf.aufruf.Option("--von"), bis = lauf.aufruf.Option("--bis");
  if (von.has_value() != bis.has_value()) {
    return Falsch(lauf.umgebung, "export gpu braucht --von und --bis zusammen");
  }
  if (von) {
    if (const auto fehler = LiesVonBis(lauf.aufruf, "export gpu", art.von, art.bis))
      return Falsch(lauf.umgebung, *fehler);
  }
  return MitDateiFehlern(lauf, [&] {
    TSkriptDialoge dialoge;
    std::unique_ptr<TSchule> schule =
        std::move(LadePlan(lauf.aufruf.argumente[1], dialoge, lauf.uhr).schule);
    TSchuleEinsetzen eingesetzt(*schule);
    GpuExportInOrdner(*schule, lauf.aufruf.argumente[2], art);
    return 0;
  });
}

}  // namespace orbato
