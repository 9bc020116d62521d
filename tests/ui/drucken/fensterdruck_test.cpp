#include "ui/drucken/fensterdruck.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QTest>
#include <cmath>

#include "lauf.h"
#include "model/schnittstellen/dialoge.h"
#include "oberflaeche.h"
#include "print/druckermass.h"
#include "print/prevprinter.h"

namespace orbato {
namespace {

// A black picture of a window of that size on a screen of 96 dpi.
TFensterBild Schwarz(int breite, int hoehe) {
  QImage bild(breite, hoehe, QImage::Format_RGB32);
  bild.fill(Qt::black);
  return {QStringLiteral("Plan MÜ"), bild, 96};
}

// Page n as printed on A4 at 300 dpi, one image pixel per printer pixel.
QImage Blatt(const TPrevPrinter& aufnahme, int seite) {
  QImage blatt(aufnahme.PageSize(), QImage::Format_RGB32);
  blatt.fill(Qt::white);
  QPainter maler(&blatt);
  aufnahme.SeiteZeichnen(maler, seite, QRectF(QPointF(0, 0), QSizeF(aufnahme.PageSize())));
  return blatt;
}

bool Dunkel(const QImage& blatt, int x, int y) {
  return qGray(blatt.pixel(x, y)) < 64;
}

// The black part of the picture's column at x: its first and last row, -1 when none.
std::pair<int, int> Spalte(const QImage& blatt, int x) {
  int von = -1, bis = -1;
  for (int y = 0; y < blatt.height(); ++y) {
    if (!Dunkel(blatt, x, y)) continue;
    if (von < 0) von = y;
    bis = y;
  }
  return {von, bis};
}

// The black part of the row at y: its first and last column.
std::pair<int, int> Zeile(const QImage& blatt, int y) {
  int von = -1, bis = -1;
  for (int x = 0; x < blatt.width(); ++x) {
    if (!Dunkel(blatt, x, y)) continue;
    if (von < 0) von = x;
    bis = x;
  }
  return {von, bis};
}

}  // namespace

class FensterDruckTest : public QObject {
  Q_OBJECT

  TSkriptDialoge fDialoge;

  // The top of the picture: 1 cm and two lines of the recorder's font.
  static int BildOben(const TPrevPrinter& aufnahme) { return 118 + 2 * aufnahme.TextHeight(); }

 private slots:
  // A window prints at its size on screen: 300/96 printer pixels per screen pixel, 1 cm from the
  // left and below the title line.
  void ASmallWindowKeepsItsSizeOnScreen() {
    TPrevPrinter aufnahme(fDialoge, PdfMass());
    FensterAufzeichnen(aufnahme, Schwarz(480, 300));
    QCOMPARE(aufnahme.GetPageCount(), 1);
    QCOMPARE(aufnahme.Title(), QStringLiteral("Plan MÜ"));
    const QImage blatt = Blatt(aufnahme, 1);
    const int oben = BildOben(aufnahme);
    const int mitte = oben + 400;
    QCOMPARE(Zeile(blatt, mitte), std::make_pair(118, 118 + 1500 - 1));
    QCOMPARE(Spalte(blatt, 1000), std::make_pair(oben, oben + 938 - 1));
  }

  // Wider than the 19 cm between the margins: made smaller to fit, proportions kept.
  void AWideWindowIsFittedToTheWidth() {
    TPrevPrinter aufnahme(fDialoge, PdfMass());
    FensterAufzeichnen(aufnahme, Schwarz(3000, 300));
    QCOMPARE(aufnahme.GetPageCount(), 1);
    const QImage blatt = Blatt(aufnahme, 1);
    const int oben = BildOben(aufnahme);
    // Up to the right margin; the scaled picture may leave its last column to antialiasing.
    const auto [links, rechts] = Zeile(blatt, oben + 100);
    QCOMPARE(links, 118);
    QVERIFY2(rechts == 2480 - 118 - 1 || rechts == 2480 - 118 - 2,
             qPrintable(QString::number(rechts)));
    QCOMPARE(Spalte(blatt, 1000), std::make_pair(oben, oben + 224 - 1));
  }

  // Taller than a page: strips of the same scale on as many pages as it takes.
  void ATallWindowGoesOnOverFurtherPages() {
    TPrevPrinter aufnahme(fDialoge, PdfMass());
    FensterAufzeichnen(aufnahme, Schwarz(480, 4000));
    const int oben = BildOben(aufnahme);
    const int streifen = int(std::floor((3508 - 118 - oben) / 3.125));
    const int seiten = (4000 + streifen - 1) / streifen;
    QCOMPARE(seiten, 4);
    QCOMPARE(aufnahme.GetPageCount(), seiten);
    QCOMPARE(Spalte(Blatt(aufnahme, 1), 1000),
             std::make_pair(oben, oben + int(std::lround(streifen * 3.125)) - 1));
    const int rest = 4000 - 3 * streifen;
    QCOMPARE(Spalte(Blatt(aufnahme, 4), 1000),
             std::make_pair(oben, oben + int(std::lround(rest * 3.125)) - 1));
  }

  // The menu: with no window open a message, else the picture of the active window.
  void TheMenuEntryPrintsTheActiveWindow() {
    TLauf lauf;
    QAction* eintrag = lauf.palette->Aktion({"Datei", "Fenster drucken..."});
    QVERIFY(eintrag && eintrag->isEnabled());
    QCOMPARE(eintrag->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    QVERIFY(lauf.An({"Datei", "Papierformat..."}));
    lauf.Waehle({"Datei", "Fenster drucken..."});
    QCOMPARE(lauf.fehler, QStringList{QStringLiteral("Es ist kein Fenster geöffnet.")});

    auto* inhalt = new QWidget;
    inhalt->setFixedSize(240, 150);
    inhalt->setAutoFillBackground(true);
    inhalt->setPalette(QPalette(Qt::black));
    QMdiSubWindow* rahmen = lauf.palette->Arbeitsflaeche()->addSubWindow(inhalt);
    rahmen->setWindowTitle(QStringLiteral("Probe"));
    rahmen->show();
    lauf.palette->Arbeitsflaeche()->setActiveSubWindow(rahmen);
    int seiten = 0;
    QString titel;
    QWidget* eltern = nullptr;
    QImage blatt;
    int oben = 0;
    FensterDrucken(*lauf.palette, [&](QWidget* e, Dialoge& d, const TAufzeichnung& aufzeichnen) {
      TPrevPrinter aufnahme(d, PdfMass());
      aufzeichnen(aufnahme);
      eltern = e;
      seiten = aufnahme.GetPageCount();
      titel = aufnahme.Title();
      blatt = Blatt(aufnahme, 1);
      oben = BildOben(aufnahme);
    });
    QCOMPARE(eltern, static_cast<QWidget*>(lauf.palette.get()));
    QCOMPARE(seiten, 1);
    QCOMPARE(titel, QStringLiteral("Probe"));
    const double massstab = 300.0 / inhalt->logicalDpiX();
    QCOMPARE(Zeile(blatt, oben + 100),
             std::make_pair(118, 118 + int(std::lround(240 * massstab)) - 1));
    QCOMPARE(lauf.fehler.size(), qsizetype(1));
  }

  // "Papierformat..." sets up the program's printer in the page set-up dialog.
  void PapierformatOpensThePageSetUp() {
    TLauf lauf;
    TModalSkript skript;
    skript.Dann([](QWidget* fenster) { SchliesseOhneAenderung(fenster); });
    lauf.Waehle({"Datei", "Papierformat..."});
    QVERIFY(skript.Fertig());
    QCOMPARE(skript.fTitel, QStringList{QStringLiteral("Papierformat")});
    QVERIFY(lauf.fehler.isEmpty());
  }
};

}  // namespace orbato

QTEST_MAIN(orbato::FensterDruckTest)
#include "fensterdruck_test.moc"
