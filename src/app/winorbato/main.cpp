#include <QApplication>

#include "model/uhr.h"
#include "platform/qsettingsspeicher.h"
#include "ui/hauptfenster.h"

int main(int argc, char** argv) {
  QApplication anwendung(argc, argv);
  QApplication::setApplicationName(QStringLiteral("WinOrbato"));
  QApplication::setOrganizationName(QStringLiteral("WOrbato3"));

  orbato::TQSettingsSpeicher speicher;
  orbato::TSystemUhr uhr;
  orbato::THauptfenster fenster(speicher, uhr);
  // A wrong password ends the program at once, with the settings as they were.
  if (!fenster.KennwortPruefen()) return 1;
  fenster.show();
  // The one argument: the plan file to open.
  const QStringList argumente = QApplication::arguments();
  if (argumente.size() > 1) fenster.Oeffnen(argumente.at(1));
  const int ergebnis = QApplication::exec();
  speicher.Sichern();
  return ergebnis;
}
