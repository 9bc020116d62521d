#include "ui/bausteine/bildschirm.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>

namespace orbato {

class BildschirmTest : public QObject {
  Q_OBJECT

 private slots:
  // Left alone where it fits; kept in place and cut at the far edge while 200 pixels (or the
  // whole window) remain there; moved back where less would remain or where it starts before
  // the area.
  void MovesAndCutsIntoTheArea() {
    const QRect flaeche(0, 0, 800, 600);
    QCOMPARE(Hineingerueckt({100, 50, 300, 200}, flaeche), QRect(100, 50, 300, 200));
    QCOMPARE(Hineingerueckt({-40, -10, 300, 200}, flaeche), QRect(0, 0, 300, 200));
    QCOMPARE(Hineingerueckt({400, 300, 900, 640}, flaeche), QRect(400, 300, 400, 300));
    QCOMPARE(Hineingerueckt({700, 500, 300, 150}, flaeche), QRect(500, 450, 300, 150));
    QCOMPARE(Hineingerueckt({620, 0, 100, 100}, flaeche), QRect(620, 0, 100, 100));
    QCOMPARE(Hineingerueckt({900, 5000, 1000, 700}, flaeche), QRect(0, 0, 800, 600));
    QCOMPARE(Hineingerueckt({10, 20, 300, 200}, QRect(50, 60, 800, 600)), QRect(50, 60, 300, 200));
  }

  // A window too tall for the screen opens whole on it.
  void AWindowComesWholeOntoTheScreen() {
    const QRect frei = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget fenster;
    fenster.resize(frei.width() + 100, frei.height() + 200);
    fenster.move(frei.left() + 50, frei.top() + 80);
    AufDenBildschirm(fenster);
    fenster.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenster));
    QVERIFY2(frei.contains(fenster.frameGeometry()),
             qPrintable(QStringLiteral("%1,%2 %3x%4")
                            .arg(fenster.frameGeometry().x())
                            .arg(fenster.frameGeometry().y())
                            .arg(fenster.frameGeometry().width())
                            .arg(fenster.frameGeometry().height())));
  }
};

}  // namespace orbato

QTEST_MAIN(orbato::BildschirmTest)
#include "bildschirm_test.moc"
