// The commands of the menu "Prüfen".
#include <QMdiSubWindow>
#include <QTableWidget>
#include <algorithm>
#include <optional>

#include "checks/fehlerausgabe.h"
#include "checks/pruefung.h"
#include "model/dokument/schule.h"
#include "model/einstellungen/standard.h"
#include "model/elemente/klasse.h"
#include "model/elemente/lehrer.h"
#include "model/kuerzel/kuerzelmenge.h"
#include "model/kurse/kurs.h"
#include "ui/bausteine/wartezeiger.h"
#include "ui/hauptfenster/orbatopalette.h"
#include "ui/plaene/planfenster.h"

namespace orbato {

// The wait cursor lasts while the check runs; the result box comes with the normal one. The
// consistency check may repair grids that every window draws.
void TOrbatoPalette::PlanPruefen(TPruefung pruefung) {
  if (!fDokumentOffen) return;
  std::optional<TWarteZeiger> warten(std::in_place);
  Pruefen(*fSchule, pruefung, fDialoge, fFehler, [&warten] { warten.reset(); });
  if (pruefung == TPruefung::Konsistenz) fSchule->AlleFensterUpdate();
}

namespace {

// The plan element a finding names, found among the document's own, so that nothing deleted
// since the check is reached through the finding.
TPlanElement* PlanElementVon(TSchule& schule, const TFundort& ort) {
  if (ort.fElement != nullptr) {
    for (TKuerzelArt art : {leh, kla, rau}) {
      for (TElement* e : KuerzelElemente(schule, art)) {
        if (e == ort.fElement) return dynamic_cast<TPlanElement*>(e);
      }
    }
    return nullptr;
  }
  for (TKurs* k : schule.fKursMenge) {
    if (k != ort.fKurs) continue;
    if (k->fLehrer != nullptr) return k->fLehrer;
    return k->fKlassen.ListeZahlElemente() > 0 ? k->fKlassen.ListeNrInhalt(1) : nullptr;
  }
  return nullptr;
}

}  // namespace

void TOrbatoPalette::FundortOeffnen(const TFundort& ort) {
  if (!fDokumentOffen) return;
  TPlanElement* element = PlanElementVon(*fSchule, ort);
  if (element == nullptr) return;
  if (ort.fWoche >= 1 && ort.fWoche <= fStandard->WochenZahl() &&
      ort.fWoche != fStandard->fAktuelleWoche) {
    fStandard->SetAktuelleWoche(ort.fWoche);
    PaletteAktualisieren();
    fSchule->AlleFensterUpdate();
  }
  QMdiSubWindow* rahmen = ElementFensterOeffnen(element, PFenster);
  auto* plan = rahmen ? qobject_cast<TPlnForm*>(rahmen->widget()) : nullptr;
  if (plan == nullptr || ort.fTag < 1) return;
  QTableWidget* raster = plan->Raster();
  const int zeile = std::max(ort.fStunde, 1) - 1;
  if (zeile < raster->rowCount() && ort.fTag - 1 < raster->columnCount()) {
    raster->setCurrentCell(zeile, ort.fTag - 1);
    raster->setFocus();
  }
}

}  // namespace orbato
