#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTableView>
#include <QTest>

#include "lauf.h"
#include "model/elemente/lehrer.h"
#include "model/kurse/kurs.h"
#include "model/schnittstellen/zwischenablage.h"
#include "oberflaeche.h"
#include "platform/qttext.h"
#include "ui/hauptfenster/fensterregister.h"
#include "ui/hauptfenster/orbatopalette.h"
#include "ui/stammdaten/deputatfenster.h"
#include "ui/stammdaten/kursfenster.h"

namespace orbato {
namespace {

QStringList Titel(const TLauf& lauf) {
  QStringList titel;
  for (const QMdiSubWindow* f : lauf.palette->Arbeitsflaeche()->subWindowList())
    titel << f->windowTitle();
  return titel;
}

QString AktiverTitel(const TLauf& lauf) {
  const QMdiSubWindow* f = lauf.palette->Arbeitsflaeche()->activeSubWindow();
  return f ? f->windowTitle() : QString();
}

}  // namespace

class FensterOeffnenTest : public QObject {
  Q_OBJECT

 private slots:
  // Without Shift the active window of a kind follows the element chosen; with Shift a further
  // window opens; an element's window already open comes to the front and the active one of
  // its kind gives way.
  void ElementWindowsFollowThePaletteKindAndShift() {
    TLauf lauf;
    TSchule& s = lauf.palette->schule();
    TLehrer* a = s.HoleLehrer("A");
    TLehrer* b = s.HoleLehrer("B");
    s.HoleKopplung("K1");
    s.HoleKlasse("5a");
    s.SetDirty(false);
    s.SetFensterArt(DFenster);
    lauf.palette->ElementFensterOeffnen(a);
    QCOMPARE(Titel(lauf), QStringList{QStringLiteral("Deputat A [ 0.0/24.0]")});
    QMdiSubWindow* erstes = lauf.palette->Arbeitsflaeche()->activeSubWindow();
    erstes->setGeometry(15, 25, 300, 200);
    lauf.palette->ElementFensterOeffnen(b);
    QTest::qWait(0);
    QCOMPARE(Titel(lauf), QStringList{QStringLiteral("Deputat B [ 0.0/24.0]")});
    QCOMPARE(lauf.palette->Arbeitsflaeche()->activeSubWindow()->geometry(),
             QRect(15, 25, 300, 200));

    QTest::keyPress(lauf.palette.get(), Qt::Key_Shift);
    lauf.palette->ElementFensterOeffnen(a);
    QTest::keyRelease(lauf.palette.get(), Qt::Key_Shift);
    QCOMPARE(Titel(lauf).size(), 2);
    QCOMPARE(AktiverTitel(lauf), QStringLiteral("Deputat A [ 0.0/24.0]"));
    lauf.palette->ElementFensterOeffnen(b);
    QTest::qWait(0);
    QCOMPARE(Titel(lauf), QStringList{QStringLiteral("Deputat B [ 0.0/24.0]")});

    // Plan windows are another kind: they open beside it. A coupling has no plan and shows its
    // courses; master data has windows of its own.
    s.SetFensterArt(PFenster);
    lauf.palette->ElementFensterOeffnen(a);
    QCOMPARE(Titel(lauf).size(), 2);
    QCOMPARE(AktiverTitel(lauf), QStringLiteral("Plan A"));
    lauf.palette->ElementFensterOeffnen(s.HoleKopplung("K1"));
    QCOMPARE(AktiverTitel(lauf), QStringLiteral("Deputat K1 [ 0.0]"));
    s.SetFensterArt(GFenster);
    lauf.palette->ElementFensterOeffnen(s.HoleKlasse("5a"));
    QCOMPARE(AktiverTitel(lauf), QStringLiteral("Grunddaten 5a"));
    QCOMPARE(Titel(lauf).size(), 4);
    QVERIFY(!s.IsDirty());
  }

  // "Daten" / "Kurse" opens "alle Kurse"; "Einsetzen" puts courses there and refuses them
  // elsewhere; "Neuer Kurs" makes a course and opens its window; the windows come back with the
  // plan file.
  void AllCoursesTakeThePastedCoursesAndComeBack() {
    TLauf lauf;
    QVERIFY(lauf.palette->Oeffnen(
        lauf.Kopie(QStringLiteral("alle_saetze.orb"), QStringLiteral("s.orb"))));
    TSchule& s = lauf.palette->schule();
    const int vorher = s.fKursMenge.ListeZahlElemente();
    TSpeicherZwischenablage ablage(
        "1\t2\tBRA\tKR\t5b\t\t\t\t1\t0\t1\tFALSE\tFALSE\tFALSE\t255\r\n");
    lauf.palette->fAblage = &ablage;
    lauf.Waehle({"Daten", "Kurse"});
    QCOMPARE(AktiverTitel(lauf), QStringLiteral("alle Kurse"));
    QVERIFY(lauf.An({"Bearbeiten", "Ausschneiden"}));
    lauf.Waehle({"Bearbeiten", "Einsetzen"});
    QCOMPARE(s.fKursMenge.ListeZahlElemente(), vorher + 1);
    auto* alle = dynamic_cast<TDepForm*>(FensterRegister().Offen(TFensterTyp::AlleKurse));
    QVERIFY(alle);
    QCOMPARE(alle->Zeilen(), vorher + 1);
    // Ctrl+C in the list copies the selected courses, not just the cell.
    alle->Auswaehlen({0});
    QVERIFY(QTest::qWaitForWindowExposed(lauf.palette.get()));
    QApplication::setActiveWindow(lauf.palette.get());
    alle->Tabelle()->setFocus();
    QTest::keyClick(alle->Tabelle(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(ablage.Schreibvorgaenge(), 1);
    QCOMPARE(ZwischenablageZeilen(ablage.HoleText()).size(), std::size_t{1});

    s.SetFensterArt(DFenster);
    lauf.palette->ElementFensterOeffnen(s.HoleLehrer("BRA"));
    TModalSkript skript;
    skript.Druecke(QStringLiteral("Ok"));
    lauf.Waehle({"Bearbeiten", "Einsetzen"});
    QCOMPARE(skript.fTitel, QStringList{QStringLiteral("Fehler beim Einsetzen")});
    QCOMPARE(s.fKursMenge.ListeZahlElemente(), vorher + 1);

    lauf.Waehle({"Werkzeuge", "Neuer Kurs"});
    QCOMPARE(s.fKursMenge.ListeZahlElemente(), vorher + 2);
    QCOMPARE(AktiverTitel(lauf), QStringLiteral("Kurs"));
    const auto* kursFenster = dynamic_cast<TKursForm*>(FensterRegister().Offen(TFensterTyp::Kurs));
    QVERIFY(kursFenster);
    QCOMPARE(kursFenster->Kurs()->fLehrer, s.HoleLehrer("BRA"));

    QVERIFY(lauf.palette->Sichern());
    QVERIFY(lauf.palette->DateiSchliessen());
    QVERIFY(lauf.palette->Oeffnen(lauf.Pfad(QStringLiteral("s.orb"))));
    QStringList titel = Titel(lauf);
    titel.sort();
    // The course window is not among the windows a plan file reopens.
    QCOMPARE(titel, (QStringList{QStringLiteral("Deputat BRA [ 5.0/12.0]"),
                                 QStringLiteral("Plan MÜL"), QStringLiteral("alle Kurse")}));
  }
};

}  // namespace orbato

QTEST_MAIN(orbato::FensterOeffnenTest)
#include "fensteroeffnen_test.moc"
