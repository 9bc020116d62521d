#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "model/einstellungen/standard.h"
#include "oberflaeche.h"
#include "ui/voreinstellungen/stundenzeitendialog.h"

namespace orbato {

class StundenzeitenTest : public QObject {
  Q_OBJECT

  // Types a text into a field as the planner does: select what is there, type, leave with Tab.
  static void Tippe(QLineEdit* feld, const QString& text) {
    feld->setFocus();
    QTest::keyClick(feld, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(feld, text);
    QTest::keyClick(feld, Qt::Key_Tab);
  }

 private slots:
  // The fields show the settings' times; typed times are taken in their full form, a text that is
  // no time goes back; "Ok" stores them.
  void TypedTimesAreStoredOnOk() {
    TStandard standard;
    TStundenzeitenDialog dialog(standard);
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Stundenzeiten"));
    QCOMPARE(dialog.Beginn(1)->text(), QStringLiteral("08:00"));
    QCOMPARE(dialog.Ende(16)->text(), QStringLiteral("21:40"));
    Tippe(dialog.Beginn(1), QStringLiteral("7:45"));
    QCOMPARE(dialog.Beginn(1)->text(), QStringLiteral("07:45"));
    Tippe(dialog.Ende(9), QStringLiteral("halb"));
    QCOMPARE(dialog.Ende(9)->text(), QStringLiteral("15:50"));
    dialog.Ende(3)->setFocus();
    QTest::keyClick(dialog.Ende(3), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(dialog.Ende(3), QStringLiteral("10:35"));
    // "Ok" while the field still has the focus takes what it holds.
    KnopfMit(&dialog, QStringLiteral("Ok"))->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(StundenZeitText(standard.fStdZeiten[0]), std::string("07:45-08:45"));
    QCOMPARE(StundenZeitText(standard.fStdZeiten[2]), std::string("09:55-10:35"));
    QCOMPARE(StundenZeitText(standard.fStdZeiten[8]), std::string("15:05-15:50"));
  }

  // A period that ends before it begins is named and nothing is stored; "Vorgabe" brings back
  // the bell times of a new installation.
  void APeriodEndingBeforeItBeginsIsRefused() {
    TStandard standard;
    standard.fStdZeiten[1] = {8 * 60 + 30, 9 * 60 + 15};
    TStundenzeitenDialog dialog(standard);
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(dialog.Beginn(2)->text(), QStringLiteral("08:30"));
    Tippe(dialog.Ende(2), QStringLiteral("08:20"));
    TModalSkript skript;
    skript.Dann([](QWidget* fenster) { qobject_cast<QMessageBox*>(fenster)->accept(); });
    KnopfMit(&dialog, QStringLiteral("Ok"))->click();
    QVERIFY(skript.Fertig());
    QCOMPARE(skript.fTexte,
             QStringList{QStringLiteral("Die 2. Stunde muss nach ihrem Beginn enden.")});
    QVERIFY(dialog.isVisible());
    QCOMPARE(StundenZeitText(standard.fStdZeiten[1]), std::string("08:30-09:15"));
    KnopfMit(&dialog, QStringLiteral("Vorgabe"))->click();
    QCOMPARE(dialog.Beginn(2)->text(), QStringLiteral("08:50"));
    QCOMPARE(dialog.Ende(2)->text(), QStringLiteral("09:35"));
    KnopfMit(&dialog, QStringLiteral("Ok"))->click();
    QCOMPARE(standard.fStdZeiten, VorgabeStundenZeiten());
  }
};

}  // namespace orbato

QTEST_MAIN(orbato::StundenzeitenTest)
#include "stundenzeiten_test.moc"
