#include "ui/bausteine/werkzeugmaus.h"

#include <QMouseEvent>
#include <QTest>
#include <string>

namespace orbato {

namespace {

QMouseEvent Maus(QEvent::Type art, Qt::MouseButton knopf) {
  return {art, QPointF(3, 4), QPointF(3, 4), knopf, knopf, Qt::NoModifier};
}

}  // namespace

class WerkzeugMausTest : public QObject {
  Q_OBJECT

 private slots:
  // Each event goes to the first rule of its action, button and tool; the log names the handlers
  // asked, in order.
  void Verteilen() {
    std::string log;
    auto handler = [&log](char name, bool nimmt) {
      return [&log, name, nimmt](const QMouseEvent&) {
        log += name;
        return nimmt;
      };
    };
    auto verteilen = [&](const QEvent& ereignis, TToolArt werkzeug) {
      return MausVerteilen(
          {
              {TMausAktion::Druck, Qt::RightButton, SetzTool, handler('r', true)},
              {TMausAktion::Druck, Qt::LeftButton, SchiebTool, handler('s', false)},
              {TMausAktion::Druck, kJederKnopf, kJedesWerkzeug, handler('d', true)},
              {TMausAktion::Zug, kJederKnopf, kJedesWerkzeug, handler('z', false)},
              {TMausAktion::Loslassen, Qt::LeftButton, kJedesWerkzeug, handler('l', true)},
              {TMausAktion::Doppelklick, kJederKnopf, FixTool, handler('f', true)},
          },
          ereignis, werkzeug);
    };

    QVERIFY(verteilen(Maus(QEvent::MouseButtonPress, Qt::RightButton), SetzTool));
    QCOMPARE(log, "r");
    // The move tool's handler leaves the press to the next rule that fits.
    log.clear();
    QVERIFY(verteilen(Maus(QEvent::MouseButtonPress, Qt::LeftButton), SchiebTool));
    QCOMPARE(log, "sd");
    log.clear();
    QVERIFY(verteilen(Maus(QEvent::MouseButtonPress, Qt::RightButton), ZeigTool));
    QCOMPARE(log, "d");
    log.clear();
    QVERIFY(!verteilen(Maus(QEvent::MouseMove, Qt::NoButton), SetzTool));
    QCOMPARE(log, "z");
    log.clear();
    QVERIFY(verteilen(Maus(QEvent::MouseButtonRelease, Qt::LeftButton), LoeschTool));
    QVERIFY(!verteilen(Maus(QEvent::MouseButtonRelease, Qt::RightButton), LoeschTool));
    QCOMPARE(log, "l");
    log.clear();
    QVERIFY(!verteilen(Maus(QEvent::MouseButtonDblClick, Qt::LeftButton), ZeigTool));
    QVERIFY(verteilen(Maus(QEvent::MouseButtonDblClick, Qt::LeftButton), FixTool));
    QCOMPARE(log, "f");
    // Events that are not the mouse's reach no handler.
    log.clear();
    QVERIFY(!verteilen(QEvent(QEvent::Paint), SetzTool));
    QVERIFY(!verteilen(QEvent(QEvent::MouseButtonPress), SetzTool));
    QCOMPARE(log, "");
  }
};

}  // namespace orbato

QTEST_MAIN(orbato::WerkzeugMausTest)
#include "werkzeugmaus_test.moc"
