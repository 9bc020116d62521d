#include <QApplication>

#include "model/basis/uhr.h"
#include "platform/qsettingsspeicher.h"
#include "ui/orbatopalette.h"
#include "ui/startbild.h"

int main(int argc, char** argv) {
  QApplication anwendung(argc, argv);
  QApplication::setApplicationName(QStringLiteral("WinOrbato"));
  QApplication::setOrganizationName(QStringLiteral("WOrbato3"));

  orbato::StartbildZeigen();
  orbato::TQSettingsSpeicher speicher;
  orbato::TSystemUhr uhr;
  orbato::TOrbatoPalette fenster(speicher, uhr);
  fenster.show();
  // A wrong password ends the program at once, with the settings as they were.
  if (!fenster.KennwortPruefen()) return 1;
  // The one argument: the plan file to open; without one the open dialog comes up.
  const QStringList argumente = QApplication::arguments();
  fenster.StartDatei(argumente.size() > 1 ? argumente.at(1) : QString());
  const int ergebnis = QApplication::exec();
  speicher.Sichern();
  return ergebnis;
}
