#include "ui/vertretungsdruckbefehle.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "model/einstellungen/standard.h"
#include "substitution/kalender.h"
#include "ui/orbatopalette.h"
#include "ui/vertretungsdruckdialog.h"
#include "ui/vertretungsfenster.h"
#include "ui/vertretungshtmlbefehle.h"

namespace orbato {

// The one place where the print dialog learns what its buttons do. A button stays hidden while
// its call is unset: "als HTML-Datei" and "HTML 4" get the substitution HTML export of the
// document; "Drucken" and "Ansehen" wait for the printout of the substitution plan. Each is a
// call of (date, remark lines).
void VertretungsdruckAnschliessen(TVertrDruckDialog& dialog, QWidget* eltern, TSchule& schule) {
  dialog.fAlsHTML = [eltern, &schule](TDatumZeit datum, const std::vector<std::string>& zeilen) {
    VertretungAlsHTML(eltern, schule, datum, zeilen);
  };
  dialog.fHTML4 = [eltern, &schule](TDatumZeit datum, const std::vector<std::string>& zeilen) {
    VierHTMLDateien(eltern, schule, datum, zeilen);
  };
}

void VertretungsdruckZeigen(QWidget* eltern, TSchule& schule, TDatumZeit datum) {
  TVertrDruckDialog dialog(Standard(), datum, eltern);
  VertretungsdruckAnschliessen(dialog, eltern, schule);
  dialog.exec();
}

TDatumZeit VertretungsdruckDatum(const TOrbatoPalette& palette) {
  if (const QMdiSubWindow* aktiv = palette.Arbeitsflaeche()->activeSubWindow()) {
    if (const auto* fenster = qobject_cast<const TVertrForm*>(aktiv->widget())) {
      return fenster->Datum();
    }
  }
  return HeuteMittag();
}

std::function<void()> VertretungsDruckBefehl(TOrbatoPalette& palette, const QString& eintrag) {
  if (eintrag != QStringLiteral("Vertretungsplan...")) return {};
  return [&palette] {
    if (!palette.DokumentOffen()) return;
    VertretungsdruckZeigen(&palette, palette.schule(), VertretungsdruckDatum(palette));
  };
}

}  // namespace orbato
