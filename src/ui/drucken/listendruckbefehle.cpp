#include "ui/drucken/druckbefehle.h"
#include "ui/drucken/listendruckdialog.h"
#include "ui/hauptfenster/orbatopalette.h"

namespace orbato {

std::function<void()> ListenDruckBefehl(TOrbatoPalette& palette, const QString& eintrag) {
  const TListenDruck* art = ListenDruckZuEintrag(eintrag);
  if (!art) return {};
  return [&palette, art = *art] {
    if (!palette.DokumentOffen()) return;
    TListenDruckDialog dialog(art, palette.schule(), palette.standard(), &palette);
    dialog.exec();
  };
}

}  // namespace orbato
