#include "ui/vertretung/vstundenfenster.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include "lauf.h"
#include "oberflaeche.h"
#include "vertretungsschule.h"

namespace orbato {

class VStundenFensterTest : public QObject {
  Q_OBJECT

 private:
  static QStringList Spalte(QTableWidget* tabelle, int spalte) {
    QStringList texte;
    for (int z = 0; z < tabelle->rowCount(); ++z) texte << tabelle->item(z, spalte)->text();
    return texte;
  }

 private slots:
  // Without teachers the menu opens nothing.
  void NothingWithoutTeachers() {
    TLauf lauf;
    QVERIFY(lauf.palette->Oeffnen(lauf.Kopie(QStringLiteral("leer.orb"), QStringLiteral("l.orb"))));
    QVERIFY(lauf.An({QStringLiteral("Vertretung"), QStringLiteral("Vertretungsstunden")}));
    lauf.Waehle({QStringLiteral("Vertretung"), QStringLiteral("Vertretungsstunden")});
    QVERIFY(lauf.palette->Arbeitsflaeche()->subWindowList().isEmpty());
  }

  // Both counters of every teacher as hour values; the arrows move the selected teacher's counter
  // of the page shown by one hour; "Rücksetzen" asks whose counter goes to 0.
  void ShowsStepsAndResetsTheBalances() {
    TLauf lauf;
    QVERIFY(lauf.palette->Oeffnen(lauf.Kopie(QStringLiteral("leer.orb"), QStringLiteral("l.orb"))));
    TSchule& s = lauf.palette->schule();
    QVERIFY(VertretungsSchule(s));
    TLehrer* mue = s.HoleLehrer("MUE");
    TLehrer* sch = s.HoleLehrer("SCH");
    sch->fVStunden2 = 6;
    lauf.palette->standard().fDivisor = 2;

    lauf.Waehle({QStringLiteral("Vertretung"), QStringLiteral("Vertretungsstunden")});
    QMdiSubWindow* rahmen = lauf.palette->Arbeitsflaeche()->activeSubWindow();
    QVERIFY(rahmen);
    QCOMPARE(rahmen->windowTitle(), QStringLiteral("Vertretene Stunden"));
    auto* fenster = qobject_cast<TVStdForm*>(rahmen->widget());
    QVERIFY(fenster);
    QCOMPARE(fenster->Seiten()->tabText(0), QStringLiteral("Tabelle 1"));
    QCOMPARE(fenster->Seiten()->tabText(1), QStringLiteral("Tabelle 2"));
    QCOMPARE(Spalte(fenster->Tabelle(1), 0), (QStringList{"MUE", "SCH"}));
    QCOMPARE(Spalte(fenster->Tabelle(1), 1), (QStringList{" 0.0", " 1.0"}));
    QCOMPARE(Spalte(fenster->Tabelle(2), 1), (QStringList{" 0.0", " 3.0"}));

    fenster->Tabelle(1)->setCurrentCell(1, 0);
    QTest::mouseClick(fenster->Hoch(), Qt::LeftButton);
    QCOMPARE(sch->fVStunden1, 4);
    QCOMPARE(sch->fVStunden2, 6);
    QCOMPARE(fenster->Tabelle(1)->item(1, 1)->text(), QStringLiteral(" 2.0"));
    QVERIFY(s.IsDirty());
    fenster->Seiten()->setCurrentIndex(1);
    QCOMPARE(fenster->Tabelle(2)->currentRow(), 1);
    QTest::mouseClick(fenster->Runter(), Qt::LeftButton);
    QTest::mouseClick(fenster->Runter(), Qt::LeftButton);
    QCOMPARE(sch->fVStunden2, 2);
    QCOMPARE(sch->fVStunden1, 4);

    TModalSkript skript;
    skript.Druecke(QStringLiteral("Abbrechen"));
    QTest::mouseClick(fenster->Ruecksetzen(), Qt::LeftButton);
    QTRY_VERIFY(skript.Fertig());
    QCOMPARE(skript.fTexte,
             QStringList{QStringLiteral("Setze die vertretenen Stunden\nauf Null für ...")});
    QCOMPARE(sch->fVStunden2, 2);
    skript.Druecke(QStringLiteral("SCH"));
    QTest::mouseClick(fenster->Ruecksetzen(), Qt::LeftButton);
    QCOMPARE(sch->fVStunden2, 0);
    QCOMPARE(sch->fVStunden1, 4);
    mue->fVStunden1 = 5;
    mue->fVStunden2 = 5;
    fenster->Seiten()->setCurrentIndex(0);
    skript.Druecke(QStringLiteral("Alle Lehrer"));
    QTest::mouseClick(fenster->Ruecksetzen(), Qt::LeftButton);
    QCOMPARE(mue->fVStunden1, 0);
    QCOMPARE(sch->fVStunden1, 0);
    QCOMPARE(mue->fVStunden2, 5);
    QCOMPARE(Spalte(fenster->Tabelle(2), 1), (QStringList{" 2.5", " 0.0"}));
    QVERIFY(skript.fUnerwartet.isEmpty());

    // One window: the menu brings it to the front with the counters as they stand.
    mue->fVStunden1 = 2;
    lauf.Waehle({QStringLiteral("Vertretung"), QStringLiteral("Vertretungsstunden")});
    QCOMPARE(lauf.palette->Arbeitsflaeche()->subWindowList().size(), 1);
    QCOMPARE(fenster->Tabelle(1)->item(0, 1)->text(), QStringLiteral(" 1.0"));
    rahmen->close();
    QTest::qWait(0);
    QVERIFY(lauf.palette->Arbeitsflaeche()->subWindowList().isEmpty());
  }
};

}  // namespace orbato

QTEST_MAIN(orbato::VStundenFensterTest)
#include "vstundenfenster_test.moc"
