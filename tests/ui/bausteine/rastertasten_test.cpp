#include "ui/bausteine/rastertasten.h"

#include <QTableWidget>
#include <QTest>
#include <utility>

#include "ui/hauptfenster/menuedaten.h"

namespace orbato {

class RasterTastenTest : public QObject {
  Q_OBJECT

 private slots:
  // Which key does what on the current cell; a menu opens below the cell, not at the pointer;
  // Enter with Shift or Alt goes to its own handler; keys with other modifiers are the table's.
  void KeysActOnTheCurrentCell() {
    QTableWidget raster(4, 3);
    raster.resize(300, 200);
    raster.show();
    QVERIFY(QTest::qWaitForWindowExposed(&raster));
    QStringList geschehen;
    QPoint ort;
    bool haelt = true;
    RasterTastenAnschliessen(
        raster,
        {[&](int zeile, int spalte) {
           geschehen << QStringLiteral("los %1/%2").arg(zeile).arg(spalte);
           ort = MenuZeigerOrt();
         },
         [&](int zeile, int spalte) {
           geschehen << QStringLiteral("menu %1/%2").arg(zeile).arg(spalte);
         },
         [&] {
           geschehen << QStringLiteral("fallen");
           return std::exchange(haelt, false);
         },
         [&](int zeile, int spalte, Qt::KeyboardModifiers tasten) {
           geschehen
               << QStringLiteral("mit %1/%2 %3").arg(zeile).arg(spalte).arg(tasten.toInt(), 0, 16);
         }});
    raster.setCurrentCell(1, 2);
    QTest::keyClick(&raster, Qt::Key_Return);
    QTest::keyClick(&raster, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(&raster, Qt::Key_Space);
    QTest::keyClick(&raster, Qt::Key_Menu);
    QTest::keyClick(&raster, Qt::Key_F10, Qt::ShiftModifier);
    QTest::keyClick(&raster, Qt::Key_F10);
    QTest::keyClick(&raster, Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClick(&raster, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClick(&raster, Qt::Key_Enter, Qt::AltModifier | Qt::KeypadModifier);
    QTest::keyClick(&raster, Qt::Key_Return, Qt::ShiftModifier | Qt::ControlModifier);
    QTest::keyClick(&raster, Qt::Key_Space, Qt::ShiftModifier);
    QTest::keyClick(&raster, Qt::Key_Escape);
    QTest::keyClick(&raster, Qt::Key_Escape);
    QCOMPARE(geschehen, (QStringList{"los 1/2", "los 1/2", "los 1/2", "menu 1/2", "menu 1/2",
                                     "mit 1/2 2000000", "mit 1/2 8000000", "fallen", "fallen"}));
    const QRect zelle = raster.visualRect(raster.currentIndex());
    QCOMPARE(ort, raster.viewport()->mapToGlobal(zelle.bottomLeft()));
    // After the key the menus go back to the pointer.
    QCOMPARE(MenuZeigerOrt(), QCursor::pos());
  }

  // Without its own menu handler the menu keys do what Enter does.
  void MenuKeysFallBackToEnter() {
    QTableWidget raster(2, 2);
    int los = 0;
    RasterTastenAnschliessen(raster, {[&](int, int) { ++los; }, {}, {}, {}});
    raster.setCurrentCell(0, 0);
    // Without a handler for them, Shift+Enter and Alt+Enter are the table's.
    QTest::keyClick(&raster, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClick(&raster, Qt::Key_Return, Qt::AltModifier);
    QTest::keyClick(&raster, Qt::Key_Menu);
    QTest::keyClick(&raster, Qt::Key_F10, Qt::ShiftModifier);
    QTest::keyClick(&raster, Qt::Key_Escape);
    QCOMPARE(los, 2);
  }
};

}  // namespace orbato

QTEST_MAIN(orbato::RasterTastenTest)
#include "rastertasten_test.moc"
