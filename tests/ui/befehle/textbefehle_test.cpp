#include <QFile>
#include <QTest>

#include "lauf.h"
#include "model/elemente/lehrer.h"
#include "model/kurse/kurs.h"
#include "oberflaeche.h"
#include "platform/qttext.h"
#include "ui/hauptfenster/orbatopalette.h"

namespace orbato {
namespace {

void Schreibe(const QString& pfad, const QByteArray& inhalt) {
  QFile datei(pfad);
  QVERIFY(datei.open(QIODevice::WriteOnly));
  datei.write(inhalt);
}

QByteArray Lies(const QString& pfad) {
  QFile datei(pfad);
  return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

}  // namespace

class TextBefehleTest : public QObject {
  Q_OBJECT

 private slots:
  // Without a document, "Import" / "Kurse..." reads the courses into a new one named after the
  // file, which asks where to go when saved; a file of the wrong format opens nothing.
  void ImportMakesANewUntitledDocument() {
    TLauf lauf;
    const QString falsch = lauf.Pfad(QStringLiteral("falsch.txt"));
    Schreibe(falsch, "1\t1\t2\r");
    lauf.dateiAntworten << falsch;
    TModalSkript skript;
    skript.Druecke(QStringLiteral("Ok"));
    lauf.Waehle({"Datei", "Import", "Kurse..."});
    QCOMPARE(skript.fTitel, QStringList{QStringLiteral("Falsches Format")});
    QVERIFY(!lauf.palette->DokumentOffen());

    const QString kurse = lauf.Pfad(QStringLiteral("kurse.txt"));
    Schreibe(kurse,
             "1\t1\t2\t\tMEI\tMeier\tD\t\t5a\t\t\t\t1\x1D"
             "1\t1\x1D"
             "2\t3\x1D"
             "4\tR1\x1DR1\tRaum\x1DRaum eins\t1\t0\t1\t0\t0\t0\r");
    lauf.dateiAntworten << kurse;
    skript.Druecke(QStringLiteral("Ja"));
    lauf.Waehle({"Datei", "Import", "Kurse..."});
    QCOMPARE(skript.fTitel.last(), QStringLiteral("Unbekannte Kürzel"));
    QVERIFY(lauf.palette->DokumentOffen());
    QCOMPARE(lauf.palette->windowTitle(), QStringLiteral("WinOrbato 3.9.16 [kurse.ORB]*"));
    TSchule& s = lauf.palette->schule();
    QCOMPARE(s.fKursMenge.ListeZahlElemente(), 1);
    QCOMPARE(s.HoleLehrer("MEI")->fKurse.ListeNrInhalt(1)->VerplanteStunden(1), 2);
    QCOMPARE(lauf.palette->standard().fImportPfad,
             ModellText(QDir::toNativeSeparators(lauf.ordner.path() + QLatin1Char('/'))));
    QVERIFY(lauf.An({"Datei", "Sichern"}));
    QVERIFY(FindeEintrag(lauf.palette->KuerzelMenues().fLe, "MEI"));

    lauf.dateiAntworten << lauf.Pfad(QStringLiteral("gesichert.ORB"));
    QVERIFY(lauf.palette->Sichern());
    QCOMPARE(lauf.dateiDialoge.last(), QStringLiteral("Sichern als: kurse.ORB"));
    QVERIFY(skript.fUnerwartet.isEmpty());
  }

  // A folder named as the exchange file: the message, and the open document keeps its name.
  void ImportOfAFolderLeavesTheDocument() {
    TLauf lauf;
    QVERIFY(lauf.palette->Oeffnen(
        lauf.Kopie(QStringLiteral("alle_saetze.orb"), QStringLiteral("s.orb"))));
    const int kurse = lauf.palette->schule().fKursMenge.ListeZahlElemente();
    QVERIFY(!lauf.palette->Importieren(lauf.ordner.path()));
    QCOMPARE(lauf.fehler,
             QStringList{
                 QStringLiteral("Datei ") + lauf.ordner.path() +
                 QStringLiteral(" kann nicht geöffnet werden. Der Pfad bezeichnet einen Ordner.")});
    QCOMPARE(lauf.palette->schule().fKursMenge.ListeZahlElemente(), kurse);
    QCOMPARE(lauf.palette->windowTitle(), QStringLiteral("WinOrbato 3.9.16 [s.orb]"));
  }

  // Each entry of "Export" asks for the file in the import folder and writes it.
  void ExportsWriteTheirFiles() {
    TLauf lauf;
    QVERIFY(lauf.palette->Oeffnen(
        lauf.Kopie(QStringLiteral("alle_saetze.orb"), QStringLiteral("s.orb"))));
    const QString ziel = lauf.Pfad(QStringLiteral("liste.csv"));
    lauf.dateiAntworten << ziel;
    lauf.Waehle({"Datei", "Export", "Lanis Stundenplan (csv)"});
    QCOMPARE(lauf.dateiDialoge.last(), QStringLiteral("Exportieren: Stundenplan.csv"));
    QVERIFY(Lies(ziel).startsWith(
        "Id;Art;Lehrerkuerzel;Fach;Kurs;Raum;Wochentag;Stunde;Woche;Klassen\r"));
    for (const char* eintrag :
         {"Kurse...", "Lehrerpläne...", "Klassenpläne...", "Raumpläne...", "Schulmanager (csv)"}) {
      const QString datei = lauf.Pfad(QString::fromUtf8(eintrag).remove(QLatin1Char('.')));
      lauf.dateiAntworten << datei;
      lauf.Waehle({"Datei", "Export", QString::fromUtf8(eintrag)});
      QVERIFY2(!Lies(datei).isEmpty(), eintrag);
      QVERIFY(lauf.dateiDialoge.last().startsWith(QStringLiteral("Exportieren: ") +
                                                  lauf.ordner.path()));
    }
    QVERIFY(lauf.An({"Datei", "Export", "Vertretungsplan..."}));
    QVERIFY(lauf.fehler.isEmpty());
  }
};

}  // namespace orbato

QTEST_MAIN(orbato::TextBefehleTest)
#include "textbefehle_test.moc"
