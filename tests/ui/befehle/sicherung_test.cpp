// Nothing is lost and the user sees what he has: the title's mark of unsaved changes, backups on
// saving, the lock of an open plan file, files changed by others, files that are no plan files,
// the recovery file and its preferences.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSpinBox>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include "lauf.h"
#include "model/dokument/schule.h"
#include "oberflaeche.h"
#include "persist/wiederherstellung.h"

namespace orbato {
namespace {

QByteArray Lies(const QString& pfad) {
  QFile datei(pfad);
  return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

void Schreibe(const QString& pfad, const QByteArray& inhalt) {
  QFile datei(pfad);
  QVERIFY(datei.open(QIODevice::WriteOnly));
  datei.write(inhalt);
}

// A process number no process of this computer carries.
constexpr int64_t kNiemand = 2147483000;

}  // namespace

class SicherungTest : public QObject {
  Q_OBJECT

 private slots:
  // The mark follows the document's dirty state, whatever changes it.
  void TheTitleMarksUnsavedChanges() {
    TLauf lauf;
    QVERIFY(lauf.palette->Oeffnen(
        lauf.Kopie(QStringLiteral("alle_saetze.orb"), QStringLiteral("s.orb"))));
    QCOMPARE(lauf.palette->windowTitle(), QStringLiteral("WinOrbato 3.9.16 [s.orb]"));
    lauf.palette->schule().HoleLehrer("NEU");
    QCOMPARE(lauf.palette->windowTitle(), QStringLiteral("WinOrbato 3.9.16 [s.orb]*"));
    lauf.uhr.Stellen(46364.0 + 10.5 / 24);
    QVERIFY(lauf.palette->Sichern());
    QCOMPARE(lauf.palette->windowTitle(), QStringLiteral("WinOrbato 3.9.16 [s.orb]"));
    // Saving changes nothing else in sight, so the status line says it happened.
    QCOMPARE(lauf.palette->statusBar()->currentMessage(),
             QStringLiteral("Gesichert: s.orb, 10:30"));
  }

  void SavingKeepsThePreviousVersions() {
    TLauf lauf([](QSettings& ini) { ini.setValue(QStringLiteral("Tevi1/skp"), 2); });
    const QString plan = lauf.Kopie(QStringLiteral("alle_saetze.orb"), QStringLiteral("s.orb"));
    const QByteArray original = Lies(plan);
    QVERIFY(lauf.palette->Oeffnen(plan));
    lauf.palette->schule().HoleLehrer("EINS");
    QVERIFY(lauf.palette->Sichern());
    const QByteArray eins = Lies(plan);
    QCOMPARE(Lies(plan + QStringLiteral(".1")), original);
    lauf.palette->schule().HoleLehrer("ZWEI");
    QVERIFY(lauf.palette->Sichern());
    lauf.palette->schule().HoleLehrer("DREI");
    QVERIFY(lauf.palette->Sichern());
    QVERIFY(Lies(plan).contains("DREI"));
    QVERIFY(Lies(plan + QStringLiteral(".1")).contains("ZWEI"));
    QCOMPARE(Lies(plan + QStringLiteral(".2")), eins);
    QVERIFY(!QFile::exists(plan + QStringLiteral(".3")));
  }

  // The lock beside the file says who has it open; it goes with the document.
  void HoldsTheLockWhileTheFileIsOpen() {
    TLauf lauf;
    const QString plan = lauf.Kopie(QStringLiteral("alle_saetze.orb"), QStringLiteral("s.orb"));
    const QString sperre = lauf.Pfad(QStringLiteral(".~lock.s.orb#"));
    QVERIFY(lauf.palette->Oeffnen(plan));
    QVERIFY(Lies(sperre).endsWith(QStringLiteral(",2026-12-08T12:00:00,%1\n")
                                      .arg(QCoreApplication::applicationPid())
                                      .toUtf8()));
    QVERIFY(lauf.palette->DateiSchliessen());
    QVERIFY(!QFile::exists(sperre));
  }

  // Another planner has the file: read-only, and "Sichern" asks for another name.
  void AnotherPlannersFileOpensReadOnly() {
    TLauf lauf;
    const QString plan = lauf.Kopie(QStringLiteral("alle_saetze.orb"), QStringLiteral("s.orb"));
    const QByteArray fremd = "schmidt,sekretariat,2026-12-08T08:05:00,1\n";
    Schreibe(lauf.Pfad(QStringLiteral(".~lock.s.orb#")), fremd);
    TModalSkript skript;
    skript.Druecke(QStringLiteral("Schreibgeschützt öffnen"));
    QVERIFY(lauf.palette->Oeffnen(plan));
    QCOMPARE(skript.fTitel, QStringList{QStringLiteral("Datei in Bearbeitung")});
    QCOMPARE(skript.fTexte, QStringList{QStringLiteral(
                                "Die Datei s.orb wird seit dem 08.12.2026 um 08:05 Uhr\nvon "
                                "schmidt auf dem Rechner sekretariat bearbeitet.")});
    QVERIFY(lauf.palette->Schreibgeschuetzt());
    QCOMPARE(lauf.palette->windowTitle(),
             QStringLiteral("WinOrbato 3.9.16 [s.orb] [schreibgeschützt]"));
    lauf.palette->schule().HoleLehrer("NEU");
    QCOMPARE(lauf.palette->windowTitle(),
             QStringLiteral("WinOrbato 3.9.16 [s.orb]* [schreibgeschützt]"));
    lauf.dateiAntworten << lauf.Pfad(QStringLiteral("eigen.orb"));
    QVERIFY(lauf.palette->Sichern());
    QCOMPARE(lauf.dateiDialoge, QStringList{QStringLiteral("Sichern als: ") + lauf.ordner.path() +
                                            QStringLiteral("/s.orb")});
    QCOMPARE(lauf.palette->windowTitle(), QStringLiteral("WinOrbato 3.9.16 [eigen.orb]"));
    QVERIFY(!lauf.palette->Schreibgeschuetzt());
    QCOMPARE(Lies(lauf.Pfad(QStringLiteral(".~lock.s.orb#"))), fremd);
    QVERIFY(QFile::exists(lauf.Pfad(QStringLiteral(".~lock.eigen.orb#"))));
    QVERIFY(!Lies(plan).contains("NEU"));
  }

  // A file another program wrote since it was read is overwritten only on "Ja".
  void AsksBeforeOverwritingAFileChangedByAnotherProgram() {
    TLauf lauf;
    const QString plan = lauf.Kopie(QStringLiteral("alle_saetze.orb"), QStringLiteral("s.orb"));
    QVERIFY(lauf.palette->Oeffnen(plan));
    lauf.palette->schule().HoleLehrer("NEU");
    const QByteArray fremd = Lies(plan) + "x";
    Schreibe(plan, fremd);
    TModalSkript skript;
    skript.Druecke(QStringLiteral("Nein"));
    QVERIFY(!lauf.palette->Sichern());
    QCOMPARE(skript.fTitel, QStringList{QStringLiteral("Datei geändert")});
    QCOMPARE(skript.fTexte,
             QStringList{QStringLiteral("Die Datei s.orb wurde seit dem Öffnen von einem anderen "
                                        "Programm geändert.\nTrotzdem überschreiben?")});
    QCOMPARE(Lies(plan), fremd);
    QVERIFY(lauf.palette->schule().IsDirty());
    skript.Druecke(QStringLiteral("Ja"));
    QVERIFY(lauf.palette->Sichern());
    QVERIFY(Lies(plan).contains("NEU"));
    QVERIFY(lauf.fehler.isEmpty());
  }

  // A renamed text file or an empty one says what it is, and nothing of the program changes.
  void RefusesAFileThatIsNoPlanFile() {
    TLauf lauf;
    Schreibe(lauf.Pfad(QStringLiteral("x.orb")), "Stundenplan 2026\n");
    Schreibe(lauf.Pfad(QStringLiteral("leer.orb")), QByteArray());
    QVERIFY(!lauf.palette->Oeffnen(lauf.Pfad(QStringLiteral("x.orb"))));
    QVERIFY(!lauf.palette->Oeffnen(lauf.Pfad(QStringLiteral("leer.orb"))));
    QCOMPARE(lauf.fehler, (QStringList{QStringLiteral("Die Datei x.orb ist keine Plandatei."),
                                       QStringLiteral("Die Datei leer.orb ist keine Plandatei.")}));
    QVERIFY(!lauf.palette->DokumentOffen());
    QCOMPARE(lauf.palette->windowTitle(), QStringLiteral("WinOrbato 3.9.16"));
    QCOMPARE(QDir(lauf.ordner.path()).entryList(QDir::Files | QDir::Hidden),
             (QStringList{QStringLiteral("leer.orb"), QStringLiteral("x.orb")}));
  }

  // Written while there are unsaved changes, by the clock and before the big commands; gone when
  // the user gives the changes up.
  void WritesTheRecoveryFileWhileTheDocumentIsChanged() {
    TLauf lauf;
    const QString plan = lauf.Kopie(QStringLiteral("alle_saetze.orb"), QStringLiteral("s.orb"));
    const QString rettung = plan + QStringLiteral(".wiederherstellung");
    QVERIFY(lauf.palette->Oeffnen(plan));
    QVERIFY(lauf.palette->WiederherstellTakt()->isActive());
    QCOMPARE(lauf.palette->WiederherstellTakt()->interval(), 5 * 60 * 1000);
    lauf.palette->WiederherstellungSchreiben();
    QVERIFY2(!QFile::exists(rettung), "nothing to keep");
    lauf.palette->schule().HoleLehrer("NEU");
    lauf.palette->WiederherstellTakt()->setInterval(20);
    QTRY_VERIFY(QFile::exists(rettung));
    QVERIFY(Lies(rettung).contains("NEU"));
    QVERIFY(lauf.palette->schule().IsDirty());
    QCOMPARE(lauf.palette->windowTitle(), QStringLiteral("WinOrbato 3.9.16 [s.orb]*"));
    lauf.palette->WiederherstellTakt()->stop();
    QFile::remove(rettung);
    // "Pläne" / "Löschen..." keeps the state before it, even when the dialog is left at once.
    TModalSkript skript;
    skript.Dann([](QWidget* d) { SchliesseOhneAenderung(d); });
    lauf.Waehle({"Pläne", "Löschen..."});
    QVERIFY(QFile::exists(rettung));
    skript.Druecke(QStringLiteral("Nein"));
    lauf.palette->close();
    QCOMPARE(skript.fTitel.last(), QStringLiteral("WinOrbato beenden?"));
    QVERIFY(!QFile::exists(rettung));
    QVERIFY(!QFile::exists(lauf.Pfad(QStringLiteral(".~lock.s.orb#"))));
  }

  // Without a file at start, what an untitled document of an ended run left is offered first.
  void RestoresAnUntitledDocumentAtStart() {
    TLauf lauf;
    const QString daten = lauf.Pfad(QStringLiteral("daten"));
    lauf.palette->DatenOrdnerSetzen(daten);
    const std::string rettung = UnbenanntPfad(QFile::encodeName(daten).toStdString(), kNiemand);
    {
      TSchule alt;
      TSchuleEinsetzen eingesetzt(alt);
      alt.HoleLehrer("UNB");
      SchreibeWiederherstellung(rettung, alt);
    }
    TModalSkript skript;
    skript.Druecke(QStringLiteral("Wiederherstellen"));
    lauf.palette->StartDatei(QString());
    QCOMPARE(skript.fTitel, QStringList{QStringLiteral("Wiederherstellung")});
    QVERIFY(skript.fTexte.value(0).startsWith(
        QStringLiteral("Für ein Dokument ohne Titel gibt es ungesicherte Änderungen vom ")));
    QVERIFY2(lauf.dateiDialoge.isEmpty(), "no open dialog after a restore");
    QVERIFY(lauf.palette->DokumentOffen());
    QCOMPARE(lauf.palette->windowTitle(), QStringLiteral("WinOrbato 3.9.16 [ohne Titel]*"));
    QVERIFY(TSchule::HoleElement(lauf.palette->schule().fLehrerMenge, "UNB") != nullptr);
    QVERIFY(lauf.An({"Datei", "Sichern"}));
    skript.Druecke(QStringLiteral("Nein"));
    QVERIFY(lauf.palette->DateiSchliessen());
    QVERIFY(!QFile::exists(QString::fromStdString(rettung)));
    // Nothing left: the open dialog as ever.
    lauf.palette->StartDatei(QString());
    QCOMPARE(lauf.dateiDialoge.size(), 1);
  }

  // "Bearbeiten" / "Voreinstellungen" / "Sicherung".
  void ThePreferencesSetTheIntervalAndTheBackups() {
    TLauf lauf;
    TModalSkript skript;
    QStringList beschriftungen;
    skript.Dann([&](QWidget* d) {
      for (const QLabel* l : d->findChildren<QLabel*>()) beschriftungen << l->text();
      auto* zeit = d->findChild<QSpinBox*>(QStringLiteral("wiederherstellZeit"));
      auto* kopien = d->findChild<QSpinBox*>(QStringLiteral("sicherungsKopien"));
      QCOMPARE(zeit->value(), 5);
      QCOMPARE(zeit->suffix(), QStringLiteral(" Minuten schreiben (0 = nie)"));
      QCOMPARE(kopien->value(), 3);
      QCOMPARE(kopien->maximum(), 9);
      zeit->setValue(0);
      kopien->setValue(1);
      KnopfMit(d, QStringLiteral("Ok"))->click();
    });
    lauf.Waehle({"Bearbeiten", "Voreinstellungen", "Sicherung"});
    QVERIFY(skript.Fertig());
    QCOMPARE(skript.fTitel, QStringList{QStringLiteral("Voreinstellung für Sicherung")});
    QCOMPARE(beschriftungen,
             (QStringList{QStringLiteral("Wiederherstellungsdatei alle"),
                          QStringLiteral("Sicherungskopien NAME.orb.1 … behalten:")}));
    QCOMPARE(lauf.palette->standard().fWiederherstellZeit, 0);
    QCOMPARE(lauf.palette->standard().fSicherungsKopien, 1);
    QVERIFY(!lauf.palette->WiederherstellTakt()->isActive());
    skript.Dann([](QWidget* d) {
      d->findChild<QSpinBox*>(QStringLiteral("wiederherstellZeit"))->setValue(10);
      KnopfMit(d, QStringLiteral("Ok"))->click();
    });
    lauf.Waehle({"Bearbeiten", "Voreinstellungen", "Sicherung"});
    QCOMPARE(lauf.palette->WiederherstellTakt()->interval(), 10 * 60 * 1000);
    QVERIFY(lauf.palette->WiederherstellTakt()->isActive());
    skript.Dann([](QWidget* d) {
      d->findChild<QSpinBox*>(QStringLiteral("sicherungsKopien"))->setValue(7);
      KnopfMit(d, QStringLiteral("Abbrechen"))->click();
    });
    lauf.Waehle({"Bearbeiten", "Voreinstellungen", "Sicherung"});
    QCOMPARE(lauf.palette->standard().fSicherungsKopien, 1);
    // Stored at the end like every other setting.
    lauf.palette->close();
    QVERIFY(lauf.speicher->Sichern());
    QSettings ini(lauf.EinstellungsDatei(), QSettings::IniFormat);
    QCOMPARE(ini.value(QStringLiteral("Tevi1/wdz")).toString(), QStringLiteral("10"));
    QCOMPARE(ini.value(QStringLiteral("Tevi1/skp")).toString(), QStringLiteral("1"));
  }
};

}  // namespace orbato

QTEST_MAIN(orbato::SicherungTest)
#include "sicherung_test.moc"
