#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

#include "lauf.h"
#include "model/elemente/lehrer.h"
#include "model/kurse/kurs.h"
#include "model/kurse/setzung.h"
#include "oberflaeche.h"
#include "platform/qttext.h"
#include "ui/hauptfenster/orbatopalette.h"
#include "ui/plaene/fehlerfenster.h"

namespace orbato {

class PruefenTest : public QObject {
  Q_OBJECT

 private slots:
  // Each check of the menu ends with "Prüfergebnis"; findings go to the window "Fehler", whose
  // lines stay across checks until it is closed; a repair of "Konsistenz" counts as a minor one.
  void ChecksWriteTheErrorWindowAndShowTheResult() {
    TLauf lauf;
    QVERIFY(lauf.palette->Oeffnen(
        lauf.Kopie(QStringLiteral("alle_saetze.orb"), QStringLiteral("s.orb"))));
    TSchule& s = lauf.palette->schule();
    QCOMPARE(lauf.An({"Prüfen", "Versionsunterschiede"}),
             lauf.palette->standard().fMaxWocheNeu != 1);
    TModalSkript skript;
    skript.Druecke(QStringLiteral("Ok"));
    lauf.Waehle({"Prüfen", "Brücken"});
    QCOMPARE(skript.fTitel, QStringList{QStringLiteral("Prüfergebnis")});
    QCOMPARE(skript.fTexte,
             QStringList{QStringLiteral("Beim Prüfen der Daten wurden\nkeine Fehler gefunden.")});
    QCOMPARE(lauf.palette->FehlerFenster().Form(), nullptr);

    // A course with more lessons placed than it has, on Friday with gaps between them.
    TKurs* kurs = s.HoleLehrer("BRA")->fKurse.ListeNrInhalt(1);
    const int32_t zusaetzlich = kurs->fStunden.GetWochenStunde(1) - kurs->VerplanteStunden(1) + 2;
    for (int32_t p = 0; p < zusaetzlich; ++p)
      kurs->SetzungAufnehmen(new TSetzung(1, 5, 9 + 2 * p, nullptr));
    skript.Druecke(QStringLiteral("Ok"));
    lauf.Waehle({"Prüfen", "Konsistenz"});
    QCOMPARE(skript.fTexte.last(),
             QStringLiteral("Beim Prüfen der Daten wurden\nkleinere Fehler gefunden."));
    QCOMPARE(kurs->fStunden.GetWochenStunde(1), kurs->VerplanteStunden(1));
    skript.Druecke(QStringLiteral("Ok"));
    lauf.Waehle({"Prüfen", "Brücken"});
    TFehlerForm* fehler = lauf.palette->FehlerFenster().Form();
    QVERIFY(fehler);
    QCOMPARE(lauf.palette->Arbeitsflaeche()->activeSubWindow()->windowTitle(),
             QStringLiteral("Fehler"));
    const QStringList zeilen = fehler->Zeilen();
    QCOMPARE(zeilen, QStringList{QStringLiteral("Der Kurs %1 hat {1} Fr eine Brücke.")
                                     .arg(QtText(kurs->OhneRaumZeile(nullptr)))});
    QCOMPARE(fehler->Ueberschriften(), QStringList{QStringLiteral("Brücken: 1 Meldung")});
    QCOMPARE(fehler->findChild<QLabel*>(QStringLiteral("legende"))->text(),
             QStringLiteral("{1}, {2} …: die Planversion"));
    // Readable at once: wider than the line of a finding needs, not the tiny default.
    QMdiSubWindow* rahmen = lauf.palette->Arbeitsflaeche()->activeSubWindow();
    QVERIFY2(rahmen->width() >= 500 && rahmen->height() >= 200,
             qPrintable(QStringLiteral("%1 x %2").arg(rahmen->width()).arg(rahmen->height())));
    skript.Druecke(QStringLiteral("Ok"));
    lauf.Waehle({"Prüfen", "fehlende Stunden"});
    const QStringList spaeter = fehler->Zeilen();
    QVERIFY(spaeter.size() > zeilen.size());
    QCOMPARE(spaeter.mid(0, zeilen.size()), zeilen);
    QCOMPARE(fehler->Ueberschriften(),
             (QStringList{QStringLiteral("Brücken: 1 Meldung"),
                          QStringLiteral("fehlende Stunden: %1 Meldung%2")
                              .arg(spaeter.size() - 1)
                              .arg(spaeter.size() == 2 ? QString() : QStringLiteral("en"))}));
    QVERIFY(skript.fUnerwartet.isEmpty());

    // A double click on the bridge opens the teacher's plan with the cursor on Friday.
    QTreeWidget* liste = fehler->Liste();
    QTreeWidgetItem* bruecke = liste->topLevelItem(0)->child(0);
    liste->scrollToItem(bruecke);
    const QPoint punkt = liste->visualItemRect(bruecke).center();
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, punkt);
    QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, punkt);
    QMdiSubWindow* plan = lauf.palette->Arbeitsflaeche()->activeSubWindow();
    QCOMPARE(plan->windowTitle(), QStringLiteral("Plan BRA"));
    auto* raster = plan->widget()->findChild<QTableWidget*>();
    QVERIFY(raster);
    QCOMPARE(raster->currentColumn(), 4);
    QCOMPARE(raster->currentRow(), 0);

    // From the keyboard: Enter on a finding of the first heading does the same; on a heading
    // nothing opens.
    QPointer<QMdiSubWindow> geschlossen(plan);
    plan->close();
    QTRY_VERIFY(geschlossen.isNull());
    rahmen->widget()->activateWindow();
    lauf.palette->Arbeitsflaeche()->setActiveSubWindow(rahmen);
    liste->setCurrentItem(liste->topLevelItem(0));
    QTest::keyClick(liste, Qt::Key_Return);
    QCOMPARE(lauf.palette->Arbeitsflaeche()->activeSubWindow(), rahmen);
    liste->setCurrentItem(bruecke);
    QTest::keyClick(liste, Qt::Key_Return);
    QCOMPARE(lauf.palette->Arbeitsflaeche()->activeSubWindow()->windowTitle(),
             QStringLiteral("Plan BRA"));
  }
};

}  // namespace orbato

QTEST_MAIN(orbato::PruefenTest)
#include "pruefen_test.moc"
