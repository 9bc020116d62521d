#include "ui/hauptfenster.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QWidget>

#include "persist/standardspeicher.h"

namespace orbato {

namespace {
const QString kTitel = QStringLiteral("WinOrbato 3.9.16");
}

THauptfenster::THauptfenster(Einstellungsspeicher& speicher, const Uhr& uhr, QWidget* eltern)
    : QMainWindow(eltern),
      fSpeicher(speicher),
      fStandard(std::make_unique<TStandard>(uhr.Jetzt())),
      fSchule(std::make_unique<TSchule>()) {
  LoadStandard(*fStandard, fSpeicher);
  fStandardEingesetzt = std::make_unique<TStandardEinsetzen>(*fStandard);
  fSchuleEingesetzt = std::make_unique<TSchuleEinsetzen>(*fSchule);
  setWindowTitle(kTitel);
  setCentralWidget(new QWidget(this));
  FaerbeHintergrund();
  ErzeugeMenues();
  resize(800, 560);
}

THauptfenster::~THauptfenster() = default;

void THauptfenster::ErzeugeMenues() {
  QMenu* datei = menuBar()->addMenu(QStringLiteral("&Datei"));
  QAction* beenden = datei->addAction(QStringLiteral("&Beenden"), this, &QWidget::close);
  beenden->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
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
