#include <QApplication>
#include <QStandardPaths>
#include <iostream>
#include <optional>
#include <string_view>

#include "model/schnittstellen/uhr.h"
#include "platform/qsettingsspeicher.h"
#include "platform/qtuebersetzung.h"
#include "ui/hauptfenster/orbatopalette.h"
#include "ui/hauptfenster/startbild.h"

namespace {

constexpr const char* kAufruf =
    "Aufruf: winorbato [Option ...] [Plandatei]\n"
    "Startet WinOrbato mit der Plandatei (*.orb). Ohne sie werden zuerst ungesicherte\n"
    "Änderungen von Dokumenten ohne Titel angeboten, dann folgt der Dialog zum Öffnen.\n"
    "\n"
    "Optionen:\n"
    "  -h, --help          diese Hilfe ausgeben und beenden\n"
    "  --                  was folgt, ist die Plandatei, auch wenn es mit - beginnt\n"
    "  -platform NAME      die Qt-Plattform: xcb, wayland, offscreen ...\n"
    "  -style NAME         der Qt-Stil der Fenster: Fusion, Windows ...\n"
    "  -stylesheet DATEI   ein Qt-Stylesheet für alle Fenster\n"
    "  -reverse            die Fenster von rechts nach links anordnen\n"
    "  -display ANZEIGE    die X11-Anzeige (Plattform xcb)\n";

// Before Qt starts: the help needs no window, nor a display to open one on.
bool HilfeVerlangt(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view wort = argv[i];
    if (wort == "--") return false;
    if (wort == "-h" || wort == "--help") return true;
  }
  return false;
}

// What is left after Qt took its own options: at most the plan file. Empty when none is named;
// none (after the reason on stderr) for a word the program does not know.
std::optional<QString> PlanDatei(const QStringList& argumente) {
  QString datei;
  bool nurDateien = false;
  for (qsizetype i = 1; i < argumente.size(); ++i) {
    const QString& wort = argumente.at(i);
    if (!nurDateien && wort == QStringLiteral("--")) {
      nurDateien = true;
    } else if (!nurDateien && wort.startsWith(QLatin1Char('-')) && wort.size() > 1) {
      std::cerr << "winorbato: unbekannte Option " << wort.toStdString() << "\n\n";
      return std::nullopt;
    } else if (!datei.isEmpty()) {
      std::cerr << "winorbato: nur eine Plandatei, nicht auch " << wort.toStdString() << "\n\n";
      return std::nullopt;
    } else {
      datei = wort;
    }
  }
  return datei;
}

}  // namespace

int main(int argc, char** argv) {
  if (HilfeVerlangt(argc, argv)) {
    std::cout << kAufruf;
    return 0;
  }
  QApplication anwendung(argc, argv);
  QApplication::setApplicationName(QStringLiteral("WinOrbato"));
  QApplication::setOrganizationName(QStringLiteral("WOrbato3"));
  orbato::QtDeutschLaden(anwendung);
  const std::optional<QString> datei = PlanDatei(QApplication::arguments());
  if (!datei) {
    std::cerr << kAufruf;
    return 2;
  }

  orbato::StartbildZeigen();
  orbato::TQSettingsSpeicher speicher;
  orbato::TSystemUhr uhr;
  orbato::TOrbatoPalette fenster(speicher, uhr);
  fenster.DatenOrdnerSetzen(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation));
  fenster.show();
  // A wrong password ends the program at once, with the settings as they were.
  if (!fenster.KennwortPruefen()) return 1;
  fenster.SchulwocheBeimErstenStart();
  fenster.StartDatei(*datei);
  const int ergebnis = QApplication::exec();
  speicher.Sichern();
  return ergebnis;
}
