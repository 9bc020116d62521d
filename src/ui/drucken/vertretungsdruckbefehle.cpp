#include "ui/drucken/vertretungsdruckbefehle.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/vertretung/kalender.h"
#include "print/druckauftrag.h"
#include "print/vertretungsdruck.h"
#include "ui/drucken/druckausgabe.h"
#include "ui/drucken/vbereichdruckdialog.h"
#include "ui/drucken/vertretungsdruckdialog.h"
#include "ui/hauptfenster/orbatopalette.h"
#include "ui/vertretung/vertretungsfenster.h"
#include "ui/vertretung/vertretungshtmlbefehle.h"

namespace orbato {
namespace {

// The substitution plan of the date with the layouts ticked in the settings, which the dialog
// has just written.
TAufzeichnung Vertretungsplan(const TSchule& schule, const TStandard& standard, TDatumZeit datum,
                              const std::vector<std::string>& zeilen) {
  std::vector<int> layouts;
  for (int i = 1; i <= 4; ++i) {
    if (standard.fVertrCheck[static_cast<std::size_t>(i - 1)]) layouts.push_back(i);
  }
  return [&schule, &standard, datum, zeilen, layouts](TPrevPrinter& drucker) {
    VertretungsplanDrucken(drucker, TDruckAuftrag{schule, standard, {}, datum, layouts, zeilen});
  };
}

}  // namespace

// The one place where the print dialog learns what its buttons do. A button stays hidden while
// its call is unset: "als HTML-Datei" and "HTML 4" get the substitution HTML export of the
// document; "Drucken" (printer dialog, then printing) and "Ansehen" (preview) the printout of the
// substitution plan. Each is a call of (date, remark lines).
void VertretungsdruckAnschliessen(TVertrDruckDialog& dialog, QWidget* eltern, TSchule& schule,
                                  TStandard& standard) {
  dialog.fAlsHTML = [eltern, &schule, &standard](TDatumZeit datum,
                                                 const std::vector<std::string>& zeilen) {
    VertretungAlsHTML(eltern, schule, standard, datum, zeilen);
  };
  dialog.fHTML4 = [eltern, &schule, &standard](TDatumZeit datum,
                                               const std::vector<std::string>& zeilen) {
    VierHTMLDateien(eltern, schule, standard, datum, zeilen);
  };
  dialog.fDrucken = [eltern, &schule, &standard](TDatumZeit datum,
                                                 const std::vector<std::string>& zeilen) {
    DruckenNachDialog(eltern, schule.Dialog(), Vertretungsplan(schule, standard, datum, zeilen));
  };
  // The preview belongs to the print dialog, which stays open.
  dialog.fAnsehen = [&dialog, &schule, &standard](TDatumZeit datum,
                                                  const std::vector<std::string>& zeilen) {
    DruckAnsehen(&dialog, schule.Dialog(), Vertretungsplan(schule, standard, datum, zeilen));
  };
}

void VertretungsdruckZeigen(QWidget* eltern, TSchule& schule, TStandard& standard,
                            TDatumZeit datum) {
  TVertrDruckDialog dialog(standard, datum, eltern);
  VertretungsdruckAnschliessen(dialog, eltern, schule, standard);
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
  if (const TVBereichDruck* art = VBereichDruckZuEintrag(eintrag)) {
    return [&palette, art = *art] {
      if (!palette.DokumentOffen()) return;
      TVBereichDruckDialog dialog(art, palette.schule(), palette.standard(), &palette);
      dialog.exec();
    };
  }
  if (eintrag != QStringLiteral("Vertretungsplan...")) return {};
  return [&palette] {
    if (!palette.DokumentOffen()) return;
    VertretungsdruckZeigen(&palette, palette.schule(), palette.standard(),
                           VertretungsdruckDatum(palette));
  };
}

}  // namespace orbato
