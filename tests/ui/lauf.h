#pragma once

#include <QAction>
#include <QFile>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

#include "model/demo/demoschule.h"
#include "model/dokument/schule.h"
#include "model/schnittstellen/uhr.h"
#include "persist/planschreiber.h"
#include "platform/qsettingsspeicher.h"
#include "ui/hauptfenster/orbatopalette.h"
#include "urlfaenger.h"

namespace orbato {

// One run of the program: its own settings file, a clock that stands still, the main window
// shown, file dialogs that answer from a list, and folders and pages it opens caught.
struct TLauf {
  explicit TLauf(const std::function<void(QSettings&)>& einstellungen = {}) {
    if (einstellungen) {
      QSettings ini(EinstellungsDatei(), QSettings::IniFormat);
      einstellungen(ini);
    }
    speicher = std::make_unique<TQSettingsSpeicher>(EinstellungsDatei());
    palette = std::make_unique<TOrbatoPalette>(*speicher, uhr);
    // The long runs may start "Optimieren" many times; a second each keeps them short.
    palette->standard().fOptimieren.fSekunden = 1;
    palette->fFehlerZeigen = [this](const QString& text) { fehler << text; };
    palette->fDateiWaehlen = [this](const QString& titel, const QString& vorschlag, bool) {
      dateiDialoge << titel + QStringLiteral(": ") + vorschlag;
      return dateiAntworten.isEmpty() ? QString() : dateiAntworten.takeFirst();
    };
    palette->show();
  }
  // The demo school of that size written into the run's folder; answers its path.
  QString Demo(TDemoGroesse groesse) const {
    const QString pfad = Pfad(QStringLiteral("demo.orb"));
    TSchule demo;
    TSchuleEinsetzen eingesetzt(demo);
    ErzeugeDemoSchule(demo, palette->standard(), groesse);
    TWriteForm(demo.Dialog()).WriteToFile(pfad.toStdString());
    return pfad;
  }
  QString EinstellungsDatei() const { return ordner.filePath(QStringLiteral("e.ini")); }
  QString Pfad(const QString& name) const { return ordner.filePath(name); }
  QString Kopie(const QString& vorlage, const QString& name) const {
    QFile::copy(QStringLiteral(ORBATO_TESTDATEN "/") + vorlage, Pfad(name));
    QFile(Pfad(name)).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    return Pfad(name);
  }
  bool An(const QStringList& pfad) const {
    QAction* a = palette->Aktion(pfad);
    return a != nullptr && a->isEnabled();
  }
  void Waehle(const QStringList& pfad) const {
    QAction* a = palette->Aktion(pfad);
    QVERIFY2(a != nullptr, qPrintable(pfad.join(QLatin1Char('/'))));
    a->trigger();
  }

  TUrlFaenger urls;
  QTemporaryDir ordner;
  TFesteUhr uhr{46364.5};
  std::unique_ptr<TQSettingsSpeicher> speicher;
  std::unique_ptr<TOrbatoPalette> palette;
  QStringList fehler;
  QStringList dateiDialoge;
  QStringList dateiAntworten;
};

}  // namespace orbato
