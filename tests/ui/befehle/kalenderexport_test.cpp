#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>

#include "lauf.h"
#ifdef ORBATO_MIT_LIBICAL
#include "austausch/ical/kalenderexport.h"
#endif
#include "model/dokument/schule.h"
#include "oberflaeche.h"
#include "ui/voreinstellungen/stundenzeitendialog.h"

namespace orbato {

class KalenderExportTest : public QObject {
  Q_OBJECT

 private slots:
  // "Kalender (iCal)..." asks for the range, then for the new folder, writes one calendar per
  // teacher, class and room there and says how many.
  void MenuWritesACalendarPerElementIntoTheFolderNamed() {
    TLauf lauf;
    QVERIFY(lauf.palette->Oeffnen(lauf.Demo(TDemoGroesse::klein)));
    const QStringList menu = {"Datei", "Export", "Kalender (iCal)..."};
#ifdef ORBATO_MIT_LIBICAL
    QVERIFY(lauf.An(menu));
    lauf.dateiAntworten << lauf.Pfad(QStringLiteral("kalender"));
    TModalSkript skript;
    skript.Druecke(QStringLiteral("Ok")).Druecke(QStringLiteral("Ok"));
    lauf.Waehle(menu);
    QVERIFY(skript.Fertig());
    const TSchule& schule = lauf.palette->schule();
    const auto anzahl = schule.fLehrerMenge.ListeZahlElemente() +
                        schule.fKlassenMenge.ListeZahlElemente() +
                        schule.fRaumMenge.ListeZahlElemente();
    QCOMPARE(skript.fTitel,
             (QStringList{QStringLiteral("Kalender (iCal)"), QStringLiteral("Kalender (iCal)")}));
    QCOMPARE(
        skript.fTexte,
        QStringList{QStringLiteral("%1 Kalender geschrieben in den Ordner\n%2")
                        .arg(anzahl)
                        .arg(QDir::toNativeSeparators(lauf.Pfad(QStringLiteral("kalender"))))});
    const QStringList dateien = QDir(lauf.Pfad(QStringLiteral("kalender"))).entryList(QDir::Files);
    QCOMPARE(dateien.size(), int(anzahl));
    const QString erster = QString::fromStdString(
        KalenderDateiName(leh, schule.fLehrerMenge.ListeNrInhalt(1)->fKuerzel.str()));
    QFile datei(lauf.Pfad(QStringLiteral("kalender/") + erster));
    QVERIFY2(datei.open(QIODevice::ReadOnly),
             qPrintable(erster + QLatin1Char(' ') + dateien.join(QLatin1Char(' '))));
    QVERIFY(datei.readAll().startsWith("BEGIN:VCALENDAR\r\nVERSION:2.0\r\n"));
#else
    QVERIFY(!lauf.An(menu));
#endif
  }

  // "Stundenzeiten" stands beside "Zeiten" and stores what its dialog's "Ok" takes.
  void PeriodTimesAreEditedBesideTheLabels() {
    TLauf lauf;
    TModalSkript skript;
    skript.Dann([](QWidget* fenster) {
      auto* dialog = qobject_cast<TStundenzeitenDialog*>(fenster);
      QVERIFY(dialog != nullptr);
      dialog->Ende(6)->setText(QStringLiteral("13:15"));
      emit dialog->Ende(6)->editingFinished();
      KnopfMit(dialog, QStringLiteral("Ok"))->click();
    });
    lauf.Waehle({"Bearbeiten", "Voreinstellungen", "Stundenzeiten"});
    QVERIFY(skript.Fertig());
    QCOMPARE(skript.fTitel, QStringList{QStringLiteral("Stundenzeiten")});
    QCOMPARE(StundenZeitText(lauf.palette->standard().fStdZeiten[5]), std::string("12:35-13:15"));
  }
};

}  // namespace orbato

QTEST_MAIN(orbato::KalenderExportTest)
#include "kalenderexport_test.moc"
