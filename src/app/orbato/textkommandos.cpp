#include "app/orbato/textkommandos.h"

#include <memory>
#include <optional>
#include <string_view>
#include <utility>

#include "app/orbato/gpukommandos.h"
#include "app/orbato/icalkommando.h"
#include "app/orbato/plankommandos.h"
#include "model/basis/datum.h"
#include "model/dokument/schule.h"
#include "model/schnittstellen/dialoge.h"
#include "persist/kursimport.h"
#include "persist/plandatei.h"
#include "persist/standardkodierung.h"
#include "persist/textexport.h"
#include "substitution/vertretungsexport.h"

namespace orbato {
namespace {

// The document a command works on: loaded from a plan file, or new and empty.
std::unique_ptr<TSchule> Dokument(TLauf& lauf, const std::optional<std::string>& pfad,
                                  Dialoge& dialoge) {
  if (!pfad) return std::make_unique<TSchule>();
  return LadePlan(*pfad, dialoge, lauf.uhr).schule;
}

// The dated substitution list of the days from --von to --bis.
int VertretungenExportieren(TLauf& lauf) {
  TDatumZeit von = 0, bis = 0;
  if (const auto fehler = LiesVonBis(lauf.aufruf, "vertretungen", von, bis))
    return Falsch(lauf.umgebung, *fehler);
  return MitDateiFehlern(lauf, [&] {
    TSkriptDialoge dialoge;
    std::unique_ptr<TSchule> schule = Dokument(lauf, lauf.aufruf.argumente[1], dialoge);
    TSchuleEinsetzen eingesetzt(*schule);
    VertretungExportToFile(*schule, dialoge, lauf.aufruf.argumente[2], von, bis);
    return 0;
  });
}

}  // namespace

int Importieren(TLauf& lauf) {
  return MitDateiFehlern(lauf, [&] {
    TSkriptDialoge dialoge;
    std::unique_ptr<TSchule> schule = Dokument(lauf, lauf.aufruf.Option("--in"), dialoge);
    TSchuleEinsetzen eingesetzt(*schule);
    schule->SetDialoge(&dialoge);
    if (lauf.aufruf.Option("--nein")) dialoge.Antworte("Nein");
    switch (TImportForm(*schule, dialoge).ImportFromFile(lauf.aufruf.argumente[0])) {
      case TImportErgebnis::FalschesFormat:
        return Fehler(lauf.umgebung,
                      "Der Inhalt der Importdatei hat nicht das geeignete Format für Kurse.");
      case TImportErgebnis::Abgelehnt:
        return Fehler(lauf.umgebung, "Die Importdatei enthält unbekannte Kürzel.");
      case TImportErgebnis::Importiert:
        break;
    }
    Sichere(*schule, lauf.aufruf.argumente[1]);
    return 0;
  });
}

int Exportieren(TLauf& lauf) {
  const std::string& art = lauf.aufruf.argumente[0];
  static const std::pair<const char*, TTextExport> kArten[] = {
      {"kurse", TTextExport::Kurse},
      {"csv", TTextExport::Lanis},
      {"schulmanager", TTextExport::Schulmanager},
      {"lehrerplaene", TTextExport::Lehrerplaene},
      {"klassenplaene", TTextExport::Klassenplaene},
      {"raumplaene", TTextExport::Raumplaene}};
  std::optional<TTextExport> export_;
  for (const auto& [name, a] : kArten) {
    if (art == name) export_ = a;
  }
  if (art == "vertretungen") return VertretungenExportieren(lauf);
  if (art == "gpu") return GpuExportieren(lauf);
  if (art == "ical") return KalenderExportieren(lauf);
  if (!export_) {
    return Falsch(lauf.umgebung,
                  "ART erwartet kurse, csv, schulmanager, lehrerplaene, "
                  "klassenplaene, raumplaene, vertretungen, gpu oder ical: " +
                      art);
  }
  return MitDateiFehlern(lauf, [&] {
    TSkriptDialoge dialoge;
    std::unique_ptr<TSchule> schule = Dokument(lauf, lauf.aufruf.argumente[1], dialoge);
    TSchuleEinsetzen eingesetzt(*schule);
    TextExportToFile(*export_, *schule, dialoge, lauf.aufruf.argumente[2]);
    return 0;
  });
}

}  // namespace orbato
