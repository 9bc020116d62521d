#include "ui/hauptfenster.h"

#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "platform/qsettingsspeicher.h"

namespace orbato {

class HauptfensterTest : public QObject {
  Q_OBJECT

 private slots:
  void LoadsSettingsAtStartAndSavesThemAtExit() {
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("einstellungen.ini"));
    {
      QSettings ini(datei, QSettings::IniFormat);
      ini.setValue(QStringLiteral("Tevi1/mwn"), QStringLiteral("3"));
      ini.setValue(QStringLiteral("Tevi2/pst"), QStringLiteral("8"));
    }
    TQSettingsSpeicher speicher(datei);
    TFesteUhr uhr(45970.75);
    THauptfenster fenster(speicher, uhr);
    fenster.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenster));

    QCOMPARE(fenster.windowTitle(), QStringLiteral("WinOrbato 3.9.16"));
    QCOMPARE(fenster.standard().fMaxWocheNeu, 3);
    QCOMPARE(fenster.standard().fPlnStd, 8);
    QCOMPARE(fenster.standard().fStartZeit, 0.75);
    QCOMPARE(&Standard(), &fenster.standard());

    fenster.standard().fSchulname = "Schule am Park";
    fenster.close();
    QVERIFY(speicher.Sichern());

    QSettings ini(datei, QSettings::IniFormat);
    QCOMPARE(ini.value(QStringLiteral("Tevi0/snm")).toString(), QStringLiteral("Schule am Park"));
    QCOMPARE(ini.value(QStringLiteral("Tevi1/mwn")).toString(), QStringLiteral("3"));
    QCOMPARE(ini.value(QStringLiteral("Tevi1/dvs")).toString(), QStringLiteral("1"));
    QCOMPARE(ini.childGroups().size(), 35);  // every key but the empty Tevi34
  }

  void QuitsWithControlQ() {
    QTemporaryDir ordner;
    TQSettingsSpeicher speicher(ordner.filePath(QStringLiteral("e.ini")));
    TFesteUhr uhr(45970.5);
    THauptfenster fenster(speicher, uhr);
    fenster.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenster));
    QCOMPARE(fenster.menuBar()->actions().first()->text(), QStringLiteral("&Datei"));
    QTest::keyClick(&fenster, Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!fenster.isVisible());
  }
};

}  // namespace orbato

QTEST_MAIN(orbato::HauptfensterTest)
#include "hauptfenster_test.moc"
