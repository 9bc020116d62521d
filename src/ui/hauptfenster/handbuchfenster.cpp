#include "ui/hauptfenster/handbuchfenster.h"

#include <QAction>
#include <QKeySequence>
#include <QTextBrowser>
#include <QToolBar>

namespace orbato {

THandbuchFenster::THandbuchFenster(QWidget* eltern)
    : QMainWindow(eltern, Qt::Window), fBrowser(new QTextBrowser(this)) {
  // The manual has no pages outside the program; a stray address must not start a browser.
  fBrowser->setOpenExternalLinks(false);
  setCentralWidget(fBrowser);
  QToolBar* leiste = addToolBar(QStringLiteral("Navigation"));
  leiste->setMovable(false);
  leiste->setToolButtonStyle(Qt::ToolButtonTextOnly);
  fZurueck = leiste->addAction(QStringLiteral("Zurück"), fBrowser, &QTextBrowser::backward);
  fZurueck->setShortcut(QKeySequence::Back);
  fVor = leiste->addAction(QStringLiteral("Vor"), fBrowser, &QTextBrowser::forward);
  fVor->setShortcut(QKeySequence::Forward);
  fStartseite = leiste->addAction(QStringLiteral("Startseite"), this,
                                  [this] { fBrowser->setSource(fStart); });
  fZurueck->setEnabled(false);
  fVor->setEnabled(false);
  connect(fBrowser, &QTextBrowser::backwardAvailable, fZurueck, &QAction::setEnabled);
  connect(fBrowser, &QTextBrowser::forwardAvailable, fVor, &QAction::setEnabled);
  resize(800, 640);
}

QUrl THandbuchFenster::SeitenUrl(const QString& seite) {
  return QUrl(QStringLiteral("qrc:/handbuch/") + seite);
}

void THandbuchFenster::Zeigen(const QString& titel, const QString& seite) {
  setWindowTitle(titel);
  fStart = SeitenUrl(seite);
  fBrowser->setSource(fStart);
}

}  // namespace orbato
