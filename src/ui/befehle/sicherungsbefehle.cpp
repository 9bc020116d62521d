// What keeps the user's work when the program or the computer fails: the recovery file written
// while a document has unsaved changes, its offer at start, and the preferences of both.
#include <QFile>
#include <QTimer>

#include "persist/streamfehler.h"
#include "platform/qttext.h"
#include "ui/hauptfenster/orbatopalette.h"
#include "ui/voreinstellungen/sicherungsdialog.h"

namespace orbato {
namespace {

// How soon a recovery write held back by a modal command is tried again.
constexpr int kNachholTakt = 1000;
constexpr int kMinute = 60 * 1000;

}  // namespace

void TOrbatoPalette::DatenOrdnerSetzen(const QString& ordner) {
  fBindung =
      std::make_unique<TPlanBindung>(fDialoge, fUhr, QFile::encodeName(ordner).toStdString());
}

void TOrbatoPalette::WiederherstellungSchreiben() {
  if (!fDokumentOffen || !fSchule->IsDirty()) return;
  FensterSaetzeSammeln();
  try {
    fBindung->SchreibeWiederherstellung(*fSchule);
    fWiederherstellFehler = false;
  } catch (const TStreamFehler& f) {
    // Once is enough: the user knows, and saving will tell him again.
    if (fWiederherstellFehler) return;
    fWiederherstellFehler = true;
    fFehlerZeigen(QStringLiteral("Die Wiederherstellungsdatei kann nicht geschrieben werden: ") +
                  QtText(f.what()));
  }
}

void TOrbatoPalette::WiederherstellTaktStellen() {
  if (fStandard->fWiederherstellZeit <= 0) {
    fWiederherstellTakt->stop();
  } else {
    fWiederherstellTakt->start(fStandard->fWiederherstellZeit * kMinute);
  }
}

// Not under a pop-up menu, a dialog or an operation under way, whose document may be half
// changed: soon after it.
void TOrbatoPalette::WiederherstellTaktAbgelaufen() {
  if (!TWartendeBefehle::Ruhig()) {
    QTimer::singleShot(kNachholTakt, this, [this] { WiederherstellTaktAbgelaufen(); });
    return;
  }
  WiederherstellungSchreiben();
}

bool TOrbatoPalette::UnbenannteWiederherstellen() {
  TGeladenerPlan plan;
  try {
    plan = fBindung->UnbenannteAnbieten();
  } catch (const TStreamFehler& f) {
    fFehlerZeigen(QtText(f.what()));
  }
  if (!plan.schule) return false;
  fPfad.clear();
  fUmgewandelt = false;
  GeladenesEinsetzen(std::move(plan.schule), "ohne Titel");
  return true;
}

void TOrbatoPalette::SicherungAendern() {
  TSicherungsDialog dialog(*fStandard, this);
  if (dialog.exec() == QDialog::Accepted) WiederherstellTaktStellen();
}

}  // namespace orbato
