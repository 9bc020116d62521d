#include "ui/plaene/kalenderdialog.h"

#include <QLabel>
#include <QMouseEvent>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include "dokument.h"
#include "lauf.h"
#include "model/schnittstellen/dialoge.h"
#include "model/schnittstellen/uhr.h"
#include "model/woche/versionen.h"
#include "oberflaeche.h"

namespace orbato {
namespace {

TDatumZeit Datum(int jahr, int monat, int tag) {
  return *KodiereDatum(jahr, monat, tag);
}

QPoint Mitte(QTableWidget* raster, int zeile, int spalte) {
  return raster->visualItemRect(raster->item(zeile, spalte)).center();
}

// Press, move and release over the grid, from one cell to another.
void Ziehe(QTableWidget* raster, int vonZeile, int vonSpalte, int bisZeile, int bisSpalte,
           Qt::KeyboardModifiers tasten) {
  QWidget* flaeche = raster->viewport();
  const QPoint von = Mitte(raster, vonZeile, vonSpalte);
  const QPoint bis = Mitte(raster, bisZeile, bisSpalte);
  QTest::mousePress(flaeche, Qt::LeftButton, tasten, von);
  QMouseEvent bewegung(QEvent::MouseMove, bis, flaeche->mapToGlobal(bis), Qt::NoButton,
                       Qt::LeftButton, tasten);
  QApplication::sendEvent(flaeche, &bewegung);
  QTest::mouseRelease(flaeche, Qt::LeftButton, tasten, bis);
}

bool HatText(QWidget* fenster, const QString& text) {
  for (const QLabel* l : fenster->findChildren<QLabel*>()) {
    if (l->text() == text) return true;
  }
  return false;
}

QString Text(QTableWidget* raster, int zeile, int spalte) {
  return raster->item(zeile, spalte)->text();
}

bool Grau(QTableWidget* raster, int zeile, int spalte) {
  return raster->item(zeile, spalte)->background() == QBrush(Qt::lightGray);
}

}  // namespace

class KalenderDialogTest : public QObject, TEingesetztesDokument {
  Q_OBJECT

 private slots:
  void init() {
    Anlegen(fDialoge);
    fSchule->SetUhr(&fUhr);
    fStandard->fMaxTageNeu = 5;
    VersionErweitern(*fSchule, 3);
    fSchule->SetDirty(false);
  }
  void cleanup() { Abbauen(); }

  // The month of today, its weeks and days; the arrows and the page keys turn the months.
  void TheDialogShowsTheMonthAndTurnsThePages() {
    fStandard->fFerien[KalenderWoche(Datum(2026, 12, 21))] = 0x03;
    TKalenderDialog dialog(*fSchule, *fStandard);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Dezember 2026"));
    QVERIFY(HatText(&dialog, QStringLiteral("Welche Planversion gilt in welcher Woche?")));
    QVERIFY(HatText(&dialog, QStringLiteral("neben dem Wort \"Planversion\" klicken!")));
    QTableWidget* raster = dialog.Raster();
    QCOMPARE(raster->rowCount(), 9);
    QCOMPARE(raster->columnCount(), 7);
    QCOMPARE(Text(raster, 0, 0), QStringLiteral("Planversion"));
    QCOMPARE(Text(raster, 1, 0), QStringLiteral("Kal.woche"));
    QCOMPARE(Text(raster, 8, 0), QStringLiteral("Sonntag"));
    QCOMPARE(Text(raster, 1, 5), QStringLiteral("53"));
    QCOMPARE(Text(raster, 1, 6), QStringLiteral("1"));
    QCOMPARE(Text(raster, 2, 1), QString());
    QCOMPARE(Text(raster, 3, 1), QStringLiteral("1"));
    QCOMPARE(Text(raster, 5, 5), QStringLiteral("31"));
    QVERIFY(Grau(raster, 2, 4));
    QVERIFY(Grau(raster, 3, 4));
    QVERIFY(!Grau(raster, 4, 4));
    QCOMPARE(raster->item(7, 1)->foreground().color(), QColor(Qt::red));
    QVERIFY(raster->item(6, 1)->foreground().color() != QColor(Qt::red));

    QTest::mouseClick(dialog.VorKnopf(), Qt::LeftButton);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Januar 2027"));
    QCOMPARE(Text(raster, 2, 1), QString());
    QCOMPARE(Text(raster, 6, 1), QStringLiteral("1"));
    QTest::keyClick(&dialog, Qt::Key_PageUp);
    QTest::keyClick(&dialog, Qt::Key_PageUp);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("November 2026"));
    QTest::keyClick(&dialog, Qt::Key_PageDown);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Dezember 2026"));

    dialog.reject();
  }

  // A click on a week's version offers the versions; an Alt drag marks holidays, a plain drag
  // nothing; "Ok" stores both.
  void VersionsAndHolidaysGoBackOnOk() {
    TKalenderDialog dialog(*fSchule, *fStandard);
    dialog.show();
    QTableWidget* raster = dialog.Raster();
    QStringList angeboten;
    dialog.fMenuZeigen = [&](TMenu& menu) {
      for (const TMenuEintrag& e : menu) angeboten << QString::fromStdString(e.fText);
      QVERIFY(WaehleEintrag(menu, "3"));
    };
    QTest::mouseClick(raster->viewport(), Qt::LeftButton, {}, Mitte(raster, 0, 2));
    QCOMPARE(angeboten, (QStringList{"1", "2", "3"}));
    QCOMPARE(Text(raster, 0, 2), QStringLiteral("3"));
    angeboten.clear();
    QTest::mouseClick(raster->viewport(), Qt::LeftButton, {}, Mitte(raster, 1, 2));
    QTest::mouseClick(raster->viewport(), Qt::LeftButton, {}, Mitte(raster, 0, 0));
    QVERIFY(angeboten.isEmpty());

    // Tuesday 8 to Wednesday 16 December.
    Ziehe(raster, 3, 2, 4, 3, Qt::AltModifier);
    QVERIFY(Grau(raster, 3, 2));
    QVERIFY(Grau(raster, 4, 3));
    QVERIFY(!Grau(raster, 5, 2));
    Ziehe(raster, 5, 2, 6, 3, Qt::NoModifier);
    QVERIFY(!Grau(raster, 5, 2));
    QCOMPARE(fStandard->fFerien[KalenderWoche(Datum(2026, 12, 8))], 0);
    QCOMPARE(fSchule->fKalender[KalenderWoche(Datum(2026, 12, 8))], 1);
    QVERIFY(!fSchule->IsDirty());

    QTest::mouseClick(KnopfMit(&dialog, QStringLiteral("Ok")), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(fSchule->fKalender[KalenderWoche(Datum(2026, 12, 8))], 3);
    QCOMPARE(fSchule->fKalender[KalenderWoche(Datum(2026, 12, 1))], 1);
    QCOMPARE(fStandard->fFerien[KalenderWoche(Datum(2026, 12, 8))], 0x06);
    QCOMPARE(fStandard->fFerien[KalenderWoche(Datum(2026, 12, 15))], 0x06);
    QVERIFY(fSchule->IsDirty());
  }

 private:
  TSkriptDialoge fDialoge;
  TFesteUhr fUhr{Datum(2026, 12, 9) + 0.4};
};

// Through the main window: the menu entry opens the window on today's month.
class KalenderMenuTest : public QObject {
  Q_OBJECT

 private slots:
  void TheMenuEntryOpensTheCalendar() {
    TLauf lauf;
    TModalSkript skript;
    skript.Dann([](QWidget* d) {
      auto* dialog = static_cast<TKalenderDialog*>(d);
      Ziehe(dialog->Raster(), 3, 2, 3, 2, Qt::AltModifier);
      QTest::mouseClick(KnopfMit(d, QStringLiteral("Ok")), Qt::LeftButton);
    });
    lauf.Waehle({"Bearbeiten", "Voreinstellungen", "Kalender"});
    QVERIFY(skript.Fertig());
    QCOMPARE(skript.fTitel, QStringList{QStringLiteral("Dezember 2026")});
    QCOMPARE(lauf.palette->standard().fFerien[KalenderWoche(Datum(2026, 12, 8))], 0x02);
    QVERIFY(lauf.palette->schule().IsDirty());
    QVERIFY(skript.fUnerwartet.isEmpty());
  }
};

}  // namespace orbato

int main(int argc, char** argv) {
  QApplication anwendung(argc, argv);
  int fehler = 0;
  {
    orbato::KalenderDialogTest test;
    fehler |= QTest::qExec(&test, argc, argv);
  }
  {
    orbato::KalenderMenuTest test;
    fehler |= QTest::qExec(&test, argc, argv);
  }
  return fehler;
}
#include "kalenderdialog_test.moc"
