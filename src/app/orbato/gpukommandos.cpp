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

}  // namespace

int GpuImportieren(TLauf& lauf) {
  TGpuLesart lesart;
  if (const auto text = lauf.aufruf.Option("--trennzeichen")) {
    const auto trenner = Trennzeichen(*text);
    if (!trenner)
      return Falsch(lauf.umgebung, "--trennzeichen erwartet \",\", \";\" oder tab: " + *text);
    lesart.trenner = *trenner;
  }
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
  if (const auto text = lauf.aufruf.Option("--trennzeichen")) {
    const auto trenner = Trennzeichen(*text);
    if (!trenner)
      return Falsch(lauf.umgebung, "--trennzeichen erwartet \",\", \";\" oder tab: " + *text);
    art.schreibart.trenner = *trenner;
  }
  art.schreibart.utf8 = lauf.aufruf.Option("--utf8").has_value();
  const auto von = lauf.aufruf.Option("--von"), bis = lauf.aufruf.Option("--bis");
  if (von.has_value() != bis.has_value()) {
    return Falsch(lauf.umgebung, "export gpu braucht --von und --bis zusammen");
  }
  if (von) {
    const auto erster = LiesTag(*von), letzter = LiesTag(*bis);
    if (!erster) return Falsch(lauf.umgebung, "--von erwartet JJJJ-MM-TT: " + *von);
    if (!letzter) return Falsch(lauf.umgebung, "--bis erwartet JJJJ-MM-TT: " + *bis);
    art.von = *erster;
    art.bis = *letzter;
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
