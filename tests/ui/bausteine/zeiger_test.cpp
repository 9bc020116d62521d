#include "ui/bausteine/zeiger.h"

#include <QImage>
#include <QPixmap>
#include <QTest>
#include <set>

namespace orbato {

namespace {

QImage Bild(int nr) {
  return Zeiger(nr).pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
}

bool Deckend(const QImage& bild, int x, int y) {
  return bild.rect().contains(x, y) && qAlpha(bild.pixel(x, y)) == 255;
}

// The opaque pixels as a string of '#' and ' ', to compare outlines of variants.
QByteArray Umriss(const QImage& bild) {
  QByteArray umriss;
  for (int y = 0; y < bild.height(); ++y) {
    for (int x = 0; x < bild.width(); ++x) umriss += Deckend(bild, x, y) ? '#' : ' ';
  }
  return umriss;
}

int Anzahl(const QImage& bild, QRgb farbe) {
  int n = 0;
  for (int y = 0; y < bild.height(); ++y) {
    for (int x = 0; x < bild.width(); ++x) n += bild.pixel(x, y) == farbe ? 1 : 0;
  }
  return n;
}

}  // namespace

class ZeigerTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { ZeigerLaden(); }

  void NamesTheThirteenCursorsInOrder() {
    const QStringList erwartet = {"SETZER",   "GUMMI",   "HALBGUMMI", "HAND",  "HALBHAND",
                                  "HAMMER",   "PFEIL4",  "PFEIL3",    "GRIFF", "LUPEMINUS",
                                  "LUPEPLUS", "ROTHAND", "ROTSETZER"};
    QCOMPARE(kZeigerZahl, 13);
    QStringList namen;
    for (int nr = 1; nr <= kZeigerZahl; ++nr) namen << QString::fromLatin1(ZeigerName(nr));
    QCOMPARE(namen, erwartet);
    QCOMPARE(ZeigerName(SetzerZeiger), "SETZER");
    QCOMPARE(ZeigerName(RotSetzerZeiger), "ROTSETZER");
    QVERIFY(ZeigerName(0) == nullptr);
    QVERIFY(ZeigerName(14) == nullptr);
  }

  void EveryCursorIsItsOwnDrawing_data() {
    QTest::addColumn<int>("nr");
    QTest::addColumn<QPoint>("heiss");
    QTest::addColumn<bool>("rot");
    QTest::newRow("SETZER") << 1 << QPoint(1, 30) << false;
    QTest::newRow("GUMMI") << 2 << QPoint(6, 26) << false;
    QTest::newRow("HALBGUMMI") << 3 << QPoint(6, 26) << false;
    QTest::newRow("HAND") << 4 << QPoint(16, 20) << false;
    QTest::newRow("HALBHAND") << 5 << QPoint(16, 20) << false;
    QTest::newRow("HAMMER") << 6 << QPoint(2, 7) << false;
    QTest::newRow("PFEIL4") << 7 << QPoint(15, 15) << false;
    QTest::newRow("PFEIL3") << 8 << QPoint(15, 15) << false;
    QTest::newRow("GRIFF") << 9 << QPoint(16, 20) << false;
    QTest::newRow("LUPEMINUS") << 10 << QPoint(12, 12) << false;
    QTest::newRow("LUPEPLUS") << 11 << QPoint(12, 12) << false;
    QTest::newRow("ROTHAND") << 12 << QPoint(16, 20) << true;
    QTest::newRow("ROTSETZER") << 13 << QPoint(1, 30) << true;
  }

  void EveryCursorIsItsOwnDrawing() {
    QFETCH(int, nr);
    QFETCH(QPoint, heiss);
    QFETCH(bool, rot);
    const QCursor zeiger = Zeiger(nr);
    QCOMPARE(zeiger.shape(), Qt::BitmapCursor);
    QVERIFY(!zeiger.pixmap().isNull());
    QCOMPARE(zeiger.pixmap().size(), QSize(32, 32));
    QCOMPARE(zeiger.hotSpot(), heiss);

    const QImage bild = Bild(nr);
    int deckend = 0, durchsichtig = 0;
    for (int y = 0; y < 32; ++y) {
      for (int x = 0; x < 32; ++x) {
        const int alpha = qAlpha(bild.pixel(x, y));
        QVERIFY2(alpha == 0 || alpha == 255, "only opaque or transparent pixels");
        (alpha == 255 ? deckend : durchsichtig)++;
      }
    }
    QVERIFY(deckend > 60);
    QVERIFY(durchsichtig > 60);
    // Every drawing has a black outline, and white or red fill.
    QVERIFY(Anzahl(bild, qRgb(0, 0, 0)) > 0);
    QVERIFY(Anzahl(bild, qRgb(255, 255, 255)) + Anzahl(bild, qRgb(255, 0, 0)) > 0);
    QCOMPARE(Anzahl(bild, qRgb(255, 0, 0)) > 0, rot);

    bool amBild = false;
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) amBild |= Deckend(bild, heiss.x() + dx, heiss.y() + dy);
    }
    QVERIFY2(amBild, "the hot spot lies on or next to the drawing");
  }

  void NoTwoCursorsLookAlike() {
    std::set<QByteArray> gesehen;
    for (int nr = 1; nr <= kZeigerZahl; ++nr) {
      const QImage bild = Bild(nr);
      QVERIFY2(gesehen
                   .insert(QByteArray(reinterpret_cast<const char*>(bild.constBits()),
                                      bild.sizeInBytes()))
                   .second,
               ZeigerName(nr));
    }
  }

  void VariantsKeepTheOutlineAndChangeTheFill() {
    QCOMPARE(Umriss(Bild(HalbGummiZeiger)), Umriss(Bild(GummiZeiger)));
    QCOMPARE(Umriss(Bild(HalbHandZeiger)), Umriss(Bild(HandZeiger)));
    QCOMPARE(Umriss(Bild(RotHandZeiger)), Umriss(Bild(HandZeiger)));
    QCOMPARE(Umriss(Bild(RotSetzerZeiger)), Umriss(Bild(SetzerZeiger)));
    QCOMPARE(Umriss(Bild(LupePlusZeiger)), Umriss(Bild(LupeMinusZeiger)));
    // The half variants grey part of the fill; the full drawings have none.
    const QRgb grau = qRgb(0xA0, 0xA0, 0xA0);
    QVERIFY(Anzahl(Bild(HalbGummiZeiger), grau) > 20);
    QVERIFY(Anzahl(Bild(HalbHandZeiger), grau) > 20);
    QCOMPARE(Anzahl(Bild(GummiZeiger), grau), 0);
    QCOMPARE(Anzahl(Bild(HandZeiger), grau), 0);
    // The red ones are the white ones filled red: nothing white is left.
    QCOMPARE(Anzahl(Bild(RotHandZeiger), qRgb(255, 0, 0)),
             Anzahl(Bild(HandZeiger), qRgb(255, 255, 255)));
    QCOMPARE(Anzahl(Bild(RotSetzerZeiger), qRgb(255, 255, 255)), 0);
  }

  void LoadsOnceAndNumbersOutsideGiveTheArrow() {
    const qint64 vorher = Zeiger(HammerZeiger).pixmap().cacheKey();
    ZeigerLaden();
    QCOMPARE(Zeiger(HammerZeiger).pixmap().cacheKey(), vorher);
    QCOMPARE(Zeiger(0).shape(), Qt::ArrowCursor);
    QCOMPARE(Zeiger(14).shape(), Qt::ArrowCursor);
    QCOMPARE(Zeiger(-1).shape(), Qt::ArrowCursor);
  }

  void EachToolHasItsCursor() {
    QCOMPARE(WerkzeugZeiger(0).shape(), Qt::ArrowCursor);
    const int erwartet[] = {SetzerZeiger, GummiZeiger, HandZeiger, HammerZeiger};
    for (int art = 1; art <= 4; ++art) {
      const QCursor zeiger = WerkzeugZeiger(art);
      QCOMPARE(zeiger.shape(), Qt::BitmapCursor);
      QCOMPARE(zeiger.pixmap().cacheKey(), Zeiger(erwartet[art - 1]).pixmap().cacheKey());
      QCOMPARE(zeiger.hotSpot(), Zeiger(erwartet[art - 1]).hotSpot());
    }
    QCOMPARE(WerkzeugZeiger(5).shape(), Qt::ArrowCursor);
    QCOMPARE(WerkzeugZeiger(-1).shape(), Qt::ArrowCursor);
  }
};

}  // namespace orbato

QTEST_MAIN(orbato::ZeigerTest)
#include "zeiger_test.moc"
