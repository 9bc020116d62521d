#include "ui/hauptfenster.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QMenuBar>
#include <QStatusBar>
#include <QWidget>

#include "persist/plandatei.h"
#include "persist/planschreiber.h"
#include "persist/standardspeicher.h"
#include "platform/qttext.h"
#include "ui/kennwortdialog.h"

namespace orbato {

namespace {
const QString kTitel = QStringLiteral("WinOrbato 3.9.16");
}

THauptfenster::THauptfenster(Einstellungsspeicher& speicher, const Uhr& uhr, QWidget* eltern)
    : QMainWindow(eltern),
      fSpeicher(speicher),
      fUhr(uhr),
      fStandard(std::make_unique<TStandard>(uhr.Jetzt())) {
  fFehlerZeigen = [this](const QString& text) {
    fDialoge.Nachricht("Fehler", {ModellText(text)}, TMeldungsArt::Fehler);
  };
  LoadStandard(*fStandard, fSpeicher);
  fStandardEingesetzt = std::make_unique<TStandardEinsetzen>(*fStandard);
  setCentralWidget(new QWidget(this));
  FaerbeHintergrund();
  ErzeugeMenues();
  DokumentEinsetzen(std::make_unique<TSchule>());
  setWindowTitle(kTitel);
  resize(800, 560);
}

THauptfenster::~THauptfenster() = default;

void THauptfenster::ErzeugeMenues() {
  QMenu* datei = menuBar()->addMenu(QStringLiteral("&Datei"));
  fSichernAktion = datei->addAction(QStringLiteral("&Sichern"), this, &THauptfenster::Sichern);
  fSichernAktion->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  fSichernAktion->setEnabled(false);
  QAction* beenden = datei->addAction(QStringLiteral("&Beenden"), this, &QWidget::close);
  beenden->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
}

void THauptfenster::DokumentEinsetzen(std::unique_ptr<TSchule> schule) {
  fSchuleEingesetzt.reset();
  fSchule = std::move(schule);
  fSchuleEingesetzt = std::make_unique<TSchuleEinsetzen>(*fSchule);
  fSchule->SetDialoge(&fDialoge);
  fSchule->fBeiDirty = [this](bool geaendert) {
    fSichernAktion->setEnabled(geaendert && !fPfad.isEmpty());
  };
  fSichernAktion->setEnabled(fSchule->IsDirty() && !fPfad.isEmpty());
  TitelSetzen();
}

void THauptfenster::TitelSetzen() {
  setWindowTitle(kTitel + QStringLiteral(" [") + QtText(fSchule->fDateiName.str()) +
                 QStringLiteral("]"));
}

bool THauptfenster::KennwortPruefen() {
  if (!KennwortGesetzt(*fStandard)) return true;
  TKennwortDialog dialog(this);
  return dialog.exec() == QDialog::Accepted &&
         KennwortStimmt(*fStandard, ModellText(dialog.Eingabe()));
}

bool THauptfenster::Oeffnen(const QString& pfad) {
  try {
    TGeladenerPlan plan = LadePlan(pfad.toStdString(), fDialoge, fUhr);
    // A converted file, the only one that is changed when loaded, is saved under a new name.
    fPfad = plan.schule->IsDirty() ? QString() : QFileInfo(pfad).absoluteFilePath();
    DokumentEinsetzen(std::move(plan.schule));
  } catch (const TStreamFehler& fehler) {
    fFehlerZeigen(QtText(fehler.what()));
    return false;
  }
  statusBar()->showMessage(QStringLiteral("%1 Lehrer, %2 Klassen, %3 Kurse")
                               .arg(fSchule->fLehrerMenge.ListeZahlElemente())
                               .arg(fSchule->fKlassenMenge.ListeZahlElemente())
                               .arg(fSchule->fKursMenge.ListeZahlElemente()));
  return true;
}

bool THauptfenster::Sichern() {
  if (fPfad.isEmpty()) return false;
  try {
    TWriteForm(fDialoge).WriteToFile(fPfad.toStdString());
  } catch (const TStreamFehler& fehler) {
    fFehlerZeigen(QtText(fehler.what()));
    return false;
  }
  TitelSetzen();
  return true;
}

// The background shows the stored colour (a Windows colour value: red in the low byte).
void THauptfenster::FaerbeHintergrund() {
  if (!fStandard->fHintergrundAn) return;
  const auto farbe = static_cast<uint32_t>(fStandard->fHintergrundFarbe);
  QPalette palette = centralWidget()->palette();
  palette.setColor(QPalette::Window,
                   QColor(farbe & 0xFF, (farbe >> 8) & 0xFF, (farbe >> 16) & 0xFF));
  centralWidget()->setPalette(palette);
  centralWidget()->setAutoFillBackground(true);
}

void THauptfenster::closeEvent(QCloseEvent* ereignis) {
  if (!fGesichert) {
    SaveStandard(*fStandard, fSpeicher);
    fGesichert = true;
  }
  ereignis->accept();
}

}  // namespace orbato
