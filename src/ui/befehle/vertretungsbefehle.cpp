// The commands of the menu "Vertretung" that open the substitution window of a day.
#include <QMdiArea>
#include <QMdiSubWindow>

#include "model/einstellungen/standard.h"
#include "model/vertretung/kalender.h"
#include "substitution/vertretungsform.h"
#include "ui/bausteine/datumsdialog.h"
#include "ui/hauptfenster/fensterwege.h"
#include "ui/hauptfenster/orbatopalette.h"
#include "ui/vertretung/fehlfenster.h"
#include "ui/vertretung/vertretungsfenster.h"
#include "ui/vertretung/vertretungswahlfenster.h"

namespace orbato {
namespace {

// The date dialog, unless a test answers in its place.
std::optional<TDatumZeit> TagWaehlen(
    const std::function<std::optional<TDatumZeit>(TDatumZeit)>& ersatz, const TStandard& standard,
    TDatumZeit vorschlag, QWidget* eltern) {
  if (ersatz) return ersatz(vorschlag);
  TDatumsDialog dialog(standard, QStringLiteral("Vertretung am"), vorschlag, eltern);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Datum();
}

}  // namespace

QMdiSubWindow* TOrbatoPalette::VertretungHeute() {
  return VertretungZeigen(HeuteMittag());
}

QMdiSubWindow* TOrbatoPalette::VertretungMorgen() {
  return VertretungZeigen(HeuteMittag() + 1);
}

QMdiSubWindow* TOrbatoPalette::VertretungAndererTag() {
  const std::optional<TDatumZeit> datum =
      TagWaehlen(fDatumWaehlen, *fStandard, HeuteMittag(), this);
  return datum ? VertretungZeigen(*datum) : nullptr;
}

// "Anderer Tag" asks again for as long as the day chosen is no school day.
QMdiSubWindow* TOrbatoPalette::VertretungZeigen(TDatumZeit datum) {
  if (!fDokumentOffen) return nullptr;
  for (;;) {
    const TVertrTag tag = Vertretung(*fSchule, datum);
    if (tag == TVertrTag::Schultag) break;
    if (tag == TVertrTag::Ok) return nullptr;
    const std::optional<TDatumZeit> anderer = TagWaehlen(fDatumWaehlen, *fStandard, datum, this);
    if (!anderer) return nullptr;
    datum = *anderer;
  }
  auto* fenster = fRegister.Offen<TVertrForm>(TFensterTyp::Vertretungen);
  const bool neu = fenster == nullptr;
  bool gewechselt = false;
  if (fenster) {
    gewechselt = fenster->SetDatum(datum);
  } else {
    fenster = new TVertrForm(*fSchule, *fStandard, datum);
    gewechselt = fenster->VersionGewechselt();
    fenster->fFehlendeOeffnen = [this](TKuerzelArt art, TDatumZeit d, TPlanElement* e) {
      if (fFehlendeOeffnen) {
        fFehlendeOeffnen(art, d, e);
      } else {
        FehlFensterZeigen(this, *fSchule, *fStandard, art, d, e);
      }
    };
    fenster->fWahlOeffnen = [this](TVertretung* v) {
      if (fVertretungWaehlen) {
        fVertretungWaehlen(v);
      } else {
        VertretungswahlZeigen(*fSchule, *fStandard, v);
      }
    };
  }
  QMdiSubWindow* rahmen = FensterEinsetzen(fenster);
  if (neu) RahmenVersetzen(fenster, fStandard->fVertrLeft, fStandard->fVertrTop);
  if (gewechselt) {
    VersionsKnopfAktualisieren();
    fSchule->AlleFensterUpdate();
    fArbeitsflaeche->setActiveSubWindow(rahmen);
  }
  return rahmen;
}

}  // namespace orbato
