#include "model/einstellungen/standard.h"
#include "ui/drucken/druckbefehle.h"
#include "ui/drucken/plandruckdialog.h"
#include "ui/hauptfenster/orbatopalette.h"

namespace orbato {

std::function<void()> PlanDruckBefehl(TOrbatoPalette& palette, const QString& eintrag) {
  static const std::pair<const char*, TPlanDruckArt> kEintraege[] = {
      {"Lehrerpläne...", TPlanDruckArt::Lehrer},
      {"Klassenpläne...", TPlanDruckArt::Klassen},
      {"Raumpläne...", TPlanDruckArt::Raeume},
      {"Kopplungspläne für Lehrer...", TPlanDruckArt::KopplungenLehrer},
      {"Kopplungspläne für Klassen...", TPlanDruckArt::KopplungenKlassen},
  };
  for (const auto& [text, art] : kEintraege) {
    if (eintrag != QString::fromUtf8(text)) continue;
    return [&palette, art] {
      if (!palette.DokumentOffen()) return;
      TPlanDruckDialog dialog(art, palette.standard(), palette.schule(), &palette);
      dialog.exec();
    };
  }
  return {};
}

}  // namespace orbato
