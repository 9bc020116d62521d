#include "ui/bausteine/gummirahmen.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QTest>
#include <vector>

namespace orbato {

namespace {

struct TBand {
  int vonZeile, vonSpalte, bisZeile, bisSpalte;
  friend bool operator==(const TBand&, const TBand&) = default;
};

}  // namespace

// A 4 x 5 grid of 20 x 10 pixel cells without headers, so that cell (z, s) covers x 20s..20s+19
// and y 10z..10z+9 of the viewport.
class GummiRahmenTest : public QObject {
  Q_OBJECT

 private:
  QTableWidget* NeuesRaster() {
    auto* raster = new QTableWidget(4, 5);
    raster->horizontalHeader()->hide();
    raster->verticalHeader()->hide();
    raster->horizontalHeader()->setMinimumSectionSize(5);
    raster->verticalHeader()->setMinimumSectionSize(5);
    raster->horizontalHeader()->setDefaultSectionSize(20);
    raster->verticalHeader()->setDefaultSectionSize(10);
    raster->setFrameShape(QFrame::NoFrame);
    raster->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    raster->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    raster->setFixedSize(100, 40);
    return raster;
  }

  static void Ziehen(QWidget* flaeche, QPoint von, QPoint bis, Qt::KeyboardModifiers tasten) {
    QTest::mousePress(flaeche, Qt::LeftButton, tasten, von);
    QTest::mouseMove(flaeche, bis);
    QTest::mouseRelease(flaeche, Qt::LeftButton, tasten, bis);
  }

 private slots:
  void BaenderMelden() {
    QTableWidget* raster = NeuesRaster();
    std::vector<TBand> baender;
    new TGummiRahmen(raster, Qt::NoModifier, [&](const QModelIndex& von, const QModelIndex& bis) {
      baender.push_back({von.row(), von.column(), bis.row(), bis.column()});
    });
    raster->show();
    QVERIFY(QTest::qWaitForWindowExposed(raster));
    QWidget* flaeche = raster->viewport();

    Ziehen(flaeche, {25, 5}, {85, 35}, Qt::NoModifier);
    // Backwards: the start cell stays first.
    Ziehen(flaeche, {85, 35}, {5, 15}, Qt::NoModifier);
    // A release beyond the grid reports nothing.
    Ziehen(flaeche, {5, 5}, {150, 5}, Qt::NoModifier);
    const std::vector<TBand> erwartet = {{0, 1, 3, 4}, {3, 4, 1, 0}};
    QVERIFY(baender == erwartet);
    delete raster;
  }

  // With keys asked for, a band starts only while they are held; ended beyond the grid it stops
  // at its edge.
  void TastenUndRand() {
    QTableWidget* raster = NeuesRaster();
    std::vector<TBand> baender;
    auto* gummi = new TGummiRahmen(
        raster, Qt::AltModifier, [&](const QModelIndex& von, const QModelIndex& bis) {
          baender.push_back({von.row(), von.column(), bis.row(), bis.column()});
        });
    gummi->AmRandEnden();
    raster->show();
    QVERIFY(QTest::qWaitForWindowExposed(raster));
    QWidget* flaeche = raster->viewport();

    Ziehen(flaeche, {25, 5}, {45, 15}, Qt::NoModifier);
    QCOMPARE(baender.size(), size_t{0});
    Ziehen(flaeche, {25, 5}, {45, 15}, Qt::AltModifier);
    Ziehen(flaeche, {25, 15}, {150, 90}, Qt::AltModifier | Qt::ShiftModifier);
    const std::vector<TBand> erwartet = {{0, 1, 1, 2}, {1, 1, 3, 4}};
    QVERIFY(baender == erwartet);
    delete raster;
  }
};

}  // namespace orbato

QTEST_MAIN(orbato::GummiRahmenTest)
#include "gummirahmen_test.moc"
