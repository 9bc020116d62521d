// The commands of the menu "Hilfe".
#include <QMessageBox>

#include "platform/qttext.h"
#include "ui/bausteine/bildschirm.h"
#include "ui/hauptfenster/handbuchfenster.h"
#include "ui/hauptfenster/orbatopalette.h"
#include "ui/hauptfenster/programminfo.h"

namespace orbato {

// One help window for the whole run, beside the palette rather than in its workspace, so that it
// stays readable while the planner works in the windows it describes.
void TOrbatoPalette::HandbuchOeffnen(const char* titel, const char* seite) {
  auto* fenster = findChild<THandbuchFenster*>();
  if (fenster == nullptr) fenster = new THandbuchFenster(this);
  fenster->Zeigen(QString::fromUtf8(titel), QString::fromUtf8(seite));
  AufDenBildschirm(*fenster);
  fenster->show();
  fenster->raise();
  fenster->activateWindow();
}

void TOrbatoPalette::Updates() {
  std::vector<std::string> zeilen;
  for (const QString& zeile : UpdatesText().split(QLatin1Char('\n'))) {
    zeilen.push_back(ModellText(zeile));
  }
  fDialoge.Nachricht("Updates", zeilen, TMeldungsArt::Information);
}

void TOrbatoPalette::UeberWinOrbato() {
  QMessageBox::about(this, QStringLiteral("Über WinOrbato"), UeberWinOrbatoText());
}

}  // namespace orbato
