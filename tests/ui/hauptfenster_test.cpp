#include "ui/hauptfenster.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "platform/qsettingsspeicher.h"
#include "ui/kennwortdialog.h"

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

  // A plan file opened in the window: its name in the title, its school the document; saving
  // writes the same bytes back.
  void OpensAndSavesAPlanFile() {
    QTemporaryDir ordner;
    TQSettingsSpeicher speicher(ordner.filePath(QStringLiteral("e.ini")));
    TFesteUhr uhr(46364.5);
    THauptfenster fenster(speicher, uhr);
    fenster.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenster));
    const QString datei = ordner.filePath(QStringLiteral("schule.orb"));
    QVERIFY(QFile::copy(QStringLiteral(ORBATO_TESTDATEN "/alle_saetze.orb"), datei));

    QVERIFY(fenster.Oeffnen(datei));
    QCOMPARE(fenster.windowTitle(), QStringLiteral("WinOrbato 3.9.16 [schule.orb]"));
    QCOMPARE(&Schule(), &fenster.schule());
    QCOMPARE(fenster.schule().fKursMenge.ListeZahlElemente(), 3);
    QCOMPARE(fenster.standard().fMaxWocheNeu, 2);

    QAction* sichern = fenster.menuBar()->actions().first()->menu()->actions().first();
    QCOMPARE(sichern->text(), QStringLiteral("&Sichern"));
    QVERIFY(!sichern->isEnabled());
    fenster.schule().fLehrerMenge.ListeNrInhalt(1)->SetInfo("Meier");
    QVERIFY(sichern->isEnabled());
    // The progress window of the load has come and gone; the shortcut goes to the active window.
    fenster.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&fenster));
    QTest::keyClick(&fenster, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!sichern->isEnabled());
    QVERIFY(!fenster.schule().IsDirty());
    QFile gesichert(datei);
    QVERIFY(gesichert.open(QIODevice::ReadOnly));
    QVERIFY(gesichert.readAll().contains("Meier"));
  }

  // With a password set, start-up goes on only with the right entry.
  void AsksForThePasswordWhenOneIsSet() {
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("einstellungen.ini"));
    TFesteUhr uhr(46364.5);
    {
      TQSettingsSpeicher ohne(datei);
      THauptfenster fenster(ohne, uhr);
      QVERIFY(fenster.KennwortPruefen());  // no dialog at all: nothing would answer it
    }
    {
      QSettings ini(datei, QSettings::IniFormat);
      ini.setValue(QStringLiteral("Tevi0/wks"),
                   QStringLiteral("A5AEF991FCB1F9AF9B98BC9F59C0C80963E76AAC"));
    }
    const auto versuche = [&](const QString& eingabe, bool ok) {
      TQSettingsSpeicher speicher(datei);
      THauptfenster fenster(speicher, uhr);
      QString titel, frage;
      QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<TKennwortDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        titel = dialog->windowTitle();
        frage = dialog->findChild<QLabel*>()->text();
        QTest::keyClicks(dialog->Feld(), eingabe);
        for (QPushButton* b : dialog->findChildren<QPushButton*>()) {
          if (b->text() == (ok ? QStringLiteral("Ok") : QStringLiteral("Abbrechen"))) b->click();
        }
      });
      const bool weiter = fenster.KennwortPruefen();
      if (titel != QStringLiteral("Kennworteingabe")) return QStringLiteral("kein Dialog");
      if (frage != QStringLiteral("Geben Sie bitte das Kennwort ein!")) return frage;
      return weiter ? QStringLiteral("weiter") : QStringLiteral("Ende");
    };
    QCOMPARE(versuche(QStringLiteral("geheim"), true), QStringLiteral("weiter"));
    QCOMPARE(versuche(QStringLiteral("Geheim"), true), QStringLiteral("Ende"));
    QCOMPARE(versuche(QStringLiteral("geheim"), false), QStringLiteral("Ende"));
  }

  // A broken file leaves the document that was open, and says why.
  void KeepsTheDocumentWhenAFileCannotBeRead() {
    QTemporaryDir ordner;
    TQSettingsSpeicher speicher(ordner.filePath(QStringLiteral("e.ini")));
    TFesteUhr uhr(46364.5);
    THauptfenster fenster(speicher, uhr);
    QStringList fehler;
    fenster.fFehlerZeigen = [&](const QString& text) { fehler << text; };
    const QString datei = ordner.filePath(QStringLiteral("kurz.orb"));
    QFile kurz(datei);
    QVERIFY(kurz.open(QIODevice::WriteOnly));
    kurz.write(QByteArray::fromHex("fed4"));
    kurz.close();
    TSchule* vorher = &fenster.schule();

    QVERIFY(!fenster.Oeffnen(datei));
    QCOMPARE(fehler, QStringList{QStringLiteral("Stream-Lesefehler")});
    QCOMPARE(&fenster.schule(), vorher);
    QCOMPARE(fenster.windowTitle(), QStringLiteral("WinOrbato 3.9.16"));

    QVERIFY(!fenster.Oeffnen(ordner.filePath(QStringLiteral("fehlt.orb"))));
    QVERIFY(fehler.at(1).startsWith(QStringLiteral("Datei ")));
    QVERIFY(fehler.at(1).contains(QStringLiteral(" kann nicht geöffnet werden. ")));
  }
};

}  // namespace orbato

QTEST_MAIN(orbato::HauptfensterTest)
#include "hauptfenster_test.moc"
