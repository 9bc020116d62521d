#include "ui/druckbefehle.h"
#include "ui/listendruckdialog.h"
#include "ui/orbatopalette.h"

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
