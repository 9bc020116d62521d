#include <array>
#include <utility>

#include "ui/drucken/druckbefehle.h"
#include "ui/drucken/uebersichtdruckdialog.h"
#include "ui/hauptfenster/orbatopalette.h"

namespace orbato {

// "Drucken" / "Übersichten": each entry opens the print dialog of its overview.
std::function<void()> UebersichtDruckBefehl(TOrbatoPalette& palette, const QString& eintrag) {
  static const std::array<std::pair<const char*, TUebersichtArt>, 5> eintraege = {{
      {"Lehrer...", TUebersichtArt::Lehrer},
      {"Klassen...", TUebersichtArt::Klassen},
      {"Räume...", TUebersichtArt::Raeume},
      {"Fächer...", TUebersichtArt::Faecher},
      {"Kombination...", TUebersichtArt::Kombination},
  }};
  for (const auto& [text, art] : eintraege) {
    if (eintrag != QString::fromUtf8(text)) continue;
    return [&palette, art] {
      if (!palette.DokumentOffen()) return;
      TUebersichtDruckDialog dialog(art, palette.schule(), palette.standard(), &palette);
      dialog.exec();
    };
  }
  return {};
}

}  // namespace orbato
