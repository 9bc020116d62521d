// What a hurried planner does while a pop-up menu or a progress window runs its own event loop:
// shortcuts that close the window under the menu, quit the program or act on the document.
#include <QApplication>
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "lauf.h"
#include "model/demo/demoschule.h"
#include "model/dokument/schule.h"
#include "model/dokument/verlauf.h"
#include "model/elemente/klasse.h"
#include "oberflaeche.h"
#include "persist/planschreiber.h"
#include "ui/hauptfenster/menuedaten.h"
#include "ui/hauptfenster/wartendebefehle.h"
#include "ui/plaene/planfenster.h"

namespace orbato {
namespace {

QStringList gWarnungen;

void WarnungenSammeln(QtMsgType art, const QMessageLogContext&, const QString& text) {
  if (art == QtWarningMsg) gWarnungen << text;
}

// The demo school open in the program.
void DemoOeffnen(TLauf& lauf) {
  QVERIFY(lauf.palette->Oeffnen(lauf.Demo(TDemoGroesse::klein)));
}

// The plan window of the first class, and the centre of a cell that holds a lesson.
QMdiSubWindow* KlassenPlan(TLauf& lauf, QPoint& stunde) {
  TKlasse* klasse = lauf.palette->schule().fKlassenMenge.ListeNrInhalt(1);
  QMdiSubWindow* rahmen = lauf.palette->ElementFensterOeffnen(klasse, PFenster);
  auto* plan = qobject_cast<TPlnForm*>(rahmen->widget());
  QTableWidget* raster = plan->Raster();
  for (int z = 0; z < raster->rowCount(); ++z) {
    for (int s = 0; s < raster->columnCount(); ++s) {
      const QTableWidgetItem* item = raster->item(z, s);
      if (item && !item->text().trimmed().isEmpty()) {
        stunde = raster->visualItemRect(item).center();
        return rahmen;
      }
    }
  }
  return rahmen;
}

// Runs `taste` once the pop-up menu is open: from a timer, since the menu's own loop runs.
void ImMenu(const std::function<void(QWidget* menu)>& taste, bool& gesehen) {
  QTimer::singleShot(50, [taste, &gesehen] {
    if (QWidget* menu = QApplication::activePopupWidget()) {
      gesehen = true;
      taste(menu);
    }
  });
}

}  // namespace

class VerschachteltTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { gWarnungen.clear(); }

  // Ctrl+W while a lesson's menu is open closes the menu, then the plan window; the document
  // stays open and nothing else closes.
  void CtrlWInALessonsMenuClosesItsWindow() {
    TLauf lauf;
    DemoOeffnen(lauf);
    lauf.palette->schule().SetToolArt(ZeigTool);
    QPoint stunde;
    QPointer<QMdiSubWindow> rahmen = KlassenPlan(lauf, stunde);
    auto* plan = qobject_cast<TPlnForm*>(rahmen->widget());
    bool gesehen = false;
    ImMenu([](QWidget* menu) { QTest::keyClick(menu, Qt::Key_W, Qt::ControlModifier); }, gesehen);
    QTest::mouseClick(plan->Raster()->viewport(), Qt::LeftButton, {}, stunde);
    QVERIFY(gesehen);
    QTRY_VERIFY(rahmen.isNull());
    QCOMPARE(QApplication::activePopupWidget(), nullptr);
    QVERIFY(lauf.palette->DokumentOffen());
  }

  // Ctrl+Q in the menu ends the program only after the menu closed, with the usual question.
  void CtrlQInALessonsMenuQuitsAfterIt() {
    TLauf lauf;
    DemoOeffnen(lauf);
    lauf.palette->schule().SetToolArt(ZeigTool);
    lauf.palette->schule().SetDirty();
    QPoint stunde;
    QMdiSubWindow* rahmen = KlassenPlan(lauf, stunde);
    auto* plan = qobject_cast<TPlnForm*>(rahmen->widget());
    TModalSkript skript;
    skript.Druecke(QStringLiteral("Nein"));
    bool gesehen = false;
    ImMenu([](QWidget* menu) { QTest::keyClick(menu, Qt::Key_Q, Qt::ControlModifier); }, gesehen);
    QTest::mouseClick(plan->Raster()->viewport(), Qt::LeftButton, {}, stunde);
    QVERIFY(gesehen);
    QTRY_VERIFY(!lauf.palette->isVisible());
    QCOMPARE(skript.fTitel, QStringList{QStringLiteral("WinOrbato beenden?")});
    QVERIFY(!lauf.palette->DokumentOffen());
  }

  // A menu whose window goes while it is open closes with it, and says so to its caller.
  void AMenuClosesWithItsWindow() {
    auto* fenster = new QWidget;
    fenster->show();
    TMenu daten;
    bool gewaehlt = false;
    daten.push_back(MenuEintrag("Eintrag", [&] { gewaehlt = true; }));
    QTimer::singleShot(50, fenster, [fenster] { delete fenster; });
    QVERIFY(!MenuAmZeiger(fenster, daten));
    QVERIFY(!gewaehlt);
    QVERIFY(!ElementMenuOffen());
  }

  // "Fenster schließen" has Ctrl+W to itself: it closes the active window, and Qt finds no
  // second action on the key.
  void CtrlWHasOneMeaning() {
    qInstallMessageHandler(WarnungenSammeln);
    TLauf lauf;
    DemoOeffnen(lauf);
    QPoint stunde;
    QPointer<QMdiSubWindow> erst = KlassenPlan(lauf, stunde);
    // A window of another kind opens beside the plan.
    QPointer<QMdiSubWindow> dann = lauf.palette->ElementFensterOeffnen(
        lauf.palette->schule().fLehrerMenge.ListeNrInhalt(1), DFenster);
    QVERIFY(erst && dann && erst != dann);
    // Shortcuts reach only the active window, as they do on a desktop.
    lauf.palette->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(lauf.palette.get()));
    lauf.palette->Arbeitsflaeche()->setActiveSubWindow(dann);
    QTest::keyClick(dann->widget(), Qt::Key_W, Qt::ControlModifier);
    QTRY_VERIFY(dann.isNull());
    QVERIFY(!erst.isNull());
    qInstallMessageHandler(nullptr);
    for (const QString& w : gWarnungen)
      QVERIFY2(!w.contains(QStringLiteral("Ambiguous")), qPrintable(w));
  }

  // A command of the document still under way (its step open, between two of its dialogs) keeps
  // a main-menu command waiting: Ctrl+W closes the window only after the command has ended.
  void AMenuCommandWaitsForTheCommandUnderWay() {
    TLauf lauf;
    DemoOeffnen(lauf);
    QPoint stunde;
    QPointer<QMdiSubWindow> rahmen = KlassenPlan(lauf, stunde);
    lauf.palette->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(lauf.palette.get()));
    lauf.palette->Arbeitsflaeche()->setActiveSubWindow(rahmen);
    {
      TVerlaufSchritt schritt;
      QTest::keyClick(rahmen->widget(), Qt::Key_W, Qt::ControlModifier);
      QTest::qWait(50);
      QVERIFY(!rahmen.isNull());
      QVERIFY(lauf.palette->BefehleWarten());
    }
    QTRY_VERIFY(rahmen.isNull());
    QVERIFY(!lauf.palette->BefehleWarten());
  }

  // A dialog that has just closed is hidden before its exec() has returned. A waiting command
  // that ran in that moment could close the window holding the dialog on its stack (the course
  // window's colour dialog, when the program was closed meanwhile): it runs only afterwards.
  void AWaitingCommandRunsOnlyAfterTheDialogsExecReturned() {
    TWartendeBefehle warten(nullptr);
    bool beschaeftigt = true;
    warten.fBeschaeftigt = [&] { return beschaeftigt; };
    bool execLaeuft = false, liefWaehrendExec = false, gelaufen = false;
    warten.Ausfuehren([&] {
      gelaufen = true;
      liefWaehrendExec = execLaeuft;
    });
    QDialog dialog;
    QTimer::singleShot(0, &dialog, [&] {
      beschaeftigt = false;
      dialog.accept();
    });
    // Hidden, its loop not yet ended: the queue's timer comes due once in between.
    connect(&dialog, &QDialog::finished, &dialog, [] {
      QTest::qSleep(30);
      QCoreApplication::processEvents();
    });
    execLaeuft = true;
    dialog.exec();
    execLaeuft = false;
    QTRY_VERIFY(gelaufen);
    QVERIFY(!liefWaehrendExec);
  }

  // The code after a dialog's exec() may handle events for a while before exec() returns (a long
  // redraw, another dialog): no waiting command runs in there, and one given in there waits too.
  void NoCommandRunsInsideTheLoopOfADialogThatClosed() {
    TWartendeBefehle warten(nullptr);
    QTest::qWait(1);  // the loop the test idles in has handled an event
    bool execLaeuft = false, liefWaehrendExec = false;
    int gelaufen = 0;
    const auto befehl = [&] {
      ++gelaufen;
      liefWaehrendExec = liefWaehrendExec || execLaeuft;
    };
    bool beschaeftigt = true;
    warten.fBeschaeftigt = [&] { return beschaeftigt; };
    warten.Ausfuehren(befehl);
    QDialog dialog;
    QTimer::singleShot(0, &dialog, [&] {
      beschaeftigt = false;
      dialog.accept();
    });
    const auto eineWeile = [] {
      for (int i = 0; i < 5; ++i) {
        QTest::qSleep(15);
        QCoreApplication::processEvents();
      }
    };
    connect(&dialog, &QDialog::finished, &dialog, [&] {
      eineWeile();
      warten.Ausfuehren(befehl);
      eineWeile();
    });
    execLaeuft = true;
    dialog.exec();
    execLaeuft = false;
    QCOMPARE(gelaufen, 0);
    QTRY_COMPARE(gelaufen, 2);
    QVERIFY(!liefWaehrendExec);
  }

  // While a progress window runs, the main menu's shortcuts do nothing and it stays on screen.
  void AProgressWindowTakesTheInputAlone() {
    TLauf lauf;
    DemoOeffnen(lauf);
    QPoint stunde;
    QPointer<QMdiSubWindow> rahmen = KlassenPlan(lauf, stunde);
    TQtDialoge& dialoge = lauf.palette->dialoge();
    dialoge.FortschrittBeginnen("Speichern", 10);
    QVERIFY(dialoge.FortschrittsFenster()->isModal());
    QTest::keyClick(rahmen->widget(), Qt::Key_W, Qt::ControlModifier);
    QTest::qWait(50);
    QVERIFY(!rahmen.isNull());
    QVERIFY(!dialoge.Abgebrochen());
    // Escape and the close box ask the operation to stop; the window stays until it has.
    QTest::keyClick(dialoge.FortschrittsFenster(), Qt::Key_Escape);
    QVERIFY(dialoge.Abgebrochen());
    QVERIFY(!dialoge.FortschrittsFenster()->close());
    QVERIFY(dialoge.FortschrittsFenster()->isVisible());
    dialoge.FortschrittBeenden();
    QVERIFY(dialoge.FortschrittsFenster() == nullptr);
    QVERIFY(dialoge.Abgebrochen());
  }
};

}  // namespace orbato

QTEST_MAIN(orbato::VerschachteltTest)
#include "verschachtelt_test.moc"
