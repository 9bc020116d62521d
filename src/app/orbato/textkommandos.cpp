#include "app/orbato/textkommandos.h"

#include <memory>
#include <string_view>

#include "app/orbato/plankommandos.h"
#include "model/dialoge.h"
#include "model/schule.h"
#include "persist/kursexport.h"
#include "persist/kursimport.h"
#include "persist/plandatei.h"
#include "persist/planexport.h"

namespace orbato {
namespace {

// The document a command works on: loaded from a plan file, or new and empty.
std::unique_ptr<TSchule> Dokument(TLauf& lauf, const std::optional<std::string>& pfad,
                                  Dialoge& dialoge) {
  if (!pfad) return std::make_unique<TSchule>();
  return LadePlan(*pfad, dialoge, lauf.uhr).schule;
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
  using TSchreiben = void (*)(const TSchule&, Dialoge&, const std::string&);
  TSchreiben schreiben = nullptr;
  if (art == "kurse") schreiben = KursExportToFile;
  if (art == "csv") schreiben = CSVExportToFile;
  if (art == "schulmanager") schreiben = CSVSMExportToFile;
  if (art == "lehrerplaene") {
    schreiben = [](const TSchule& s, Dialoge& d, const std::string& p) {
      PlanExportToFile(s, d, p, leh);
    };
  }
  if (art == "klassenplaene") {
    schreiben = [](const TSchule& s, Dialoge& d, const std::string& p) {
      PlanExportToFile(s, d, p, kla);
    };
  }
  if (art == "raumplaene") {
    schreiben = [](const TSchule& s, Dialoge& d, const std::string& p) {
      PlanExportToFile(s, d, p, rau);
    };
  }
  if (art == "vertretungen") {
    return Fehler(lauf.umgebung, "Die Vertretungsliste kann noch nicht exportiert werden.");
  }
  if (schreiben == nullptr) {
    return Falsch(lauf.umgebung,
                  "ART erwartet kurse, csv, schulmanager, lehrerplaene, "
                  "klassenplaene, raumplaene oder vertretungen: " +
                      art);
  }
  return MitDateiFehlern(lauf, [&] {
    TSkriptDialoge dialoge;
    std::unique_ptr<TSchule> schule = Dokument(lauf, lauf.aufruf.argumente[1], dialoge);
    TSchuleEinsetzen eingesetzt(*schule);
    schreiben(*schule, dialoge, lauf.aufruf.argumente[2]);
    return 0;
  });
}

}  // namespace orbato
