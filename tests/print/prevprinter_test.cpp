#include "print/prevprinter.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include "model/schnittstellen/dialoge.h"
#include "pdfwerkzeug.h"
#include "textsammler.h"

namespace orbato {
namespace {

// A printer at 600 dpi with its printable area 100 pixels in from the left and 50 from the top.
TDruckerMass Laserdrucker() {
  TDruckerMass mass;
  mass.Seite = QSize(4960, 7016);
  mass.Versatz = QPoint(100, 50);
  mass.Druckbereich = QSize(4760, 6866);
  mass.XPpi = mass.YPpi = 600;
  return mass;
}

std::vector<std::string> Meldungen(const TSkriptDialoge& dialoge) {
  std::vector<std::string> texte;
  for (const TDialogEintrag& e : dialoge.Protokoll()) {
    if (e.fVorgang == TDialogVorgang::MeldungSchliessen) {
      texte.push_back("(zu)");
    } else if (!e.fZeilen.empty()) {
      texte.push_back(e.fZeilen.front());
    }
  }
  return texte;
}

TEST(PrevPrinter, DrawsOnlyBetweenTheFirstPageAndTheEnd) {
  TSkriptDialoge dialoge;
  TPrevPrinter drucker(dialoge, Laserdrucker());
  drucker.TextOut(500, 500, QStringLiteral("vorher"));
  drucker.Rectangle(0, 0, 10, 10);
  EXPECT_EQ(drucker.GetPageCount(), 0);
  EXPECT_EQ(drucker.CurrentPage(), 0);

  drucker.NewJob(QStringLiteral("Lehrerpläne"));
  drucker.TextOut(500, 500, QStringLiteral("eins"));
  drucker.NewPage();
  drucker.TextOut(600, 700, QStringLiteral("zwei"));
  drucker.DonePrinting();
  drucker.TextOut(500, 900, QStringLiteral("nachher"));
  drucker.NewPage();

  ASSERT_EQ(drucker.GetPageCount(), 2);
  EXPECT_EQ(ZeilenDerSeite(drucker, 1), std::vector<QString>{QStringLiteral("eins")});
  EXPECT_EQ(ZeilenDerSeite(drucker, 2), std::vector<QString>{QStringLiteral("zwei")});
  EXPECT_EQ(drucker.Title(), QStringLiteral("Lehrerpläne"));
  EXPECT_EQ(Meldungen(dialoge),
            (std::vector<std::string>{"Seite 0 wird aufgezeichnet.", "Seite 1 wird aufgezeichnet.",
                                      "Seite 2 wird aufgezeichnet.", "(zu)"}));
}

TEST(PrevPrinter, ShiftsBySheetOffsetsAndStartsEachPageInArialTenPoint) {
  TSkriptDialoge dialoge;
  TPrevPrinter drucker(dialoge, Laserdrucker());
  drucker.NewJob();
  EXPECT_EQ(drucker.GetFont().family(), QStringLiteral("Arial"));
  EXPECT_EQ(drucker.GetFont().pixelSize(), 83);  // 10 pt at 600 dpi
  EXPECT_EQ(drucker.GetBrush().style(), Qt::NoBrush);
  drucker.SetFont(drucker.Schrift(QStringLiteral("Arial"), 12, true));
  drucker.TextOut(1000, 2000, QStringLiteral("Kopf"));
  drucker.NewPage();
  EXPECT_FALSE(drucker.GetFont().bold());
  drucker.DonePrinting();

  const auto texte = TexteDerSeite(drucker, 1);
  ASSERT_EQ(texte.size(), 1u);
  const int oberlaenge = QFontMetrics(drucker.Schrift(QStringLiteral("Arial"), 12, true)).ascent();
  // The replayed picture may round the baseline by a fraction of a printer pixel.
  EXPECT_NEAR(texte[0].punkt.x(), 900, 1);
  EXPECT_NEAR(texte[0].punkt.y(), 1950 + oberlaenge, 1);
  EXPECT_EQ(QFontMetrics(texte[0].font).height(),
            QFontMetrics(drucker.Schrift(QStringLiteral("Arial"), 12, true)).height());
  EXPECT_TRUE(texte[0].font.bold());
  EXPECT_EQ(drucker.XInch(1 / 2.54), 236);
  EXPECT_EQ(drucker.YInch(0.5), 300);
  EXPECT_EQ(drucker.PageSize(), QSize(4960, 7016));
  EXPECT_EQ(drucker.PrintSize(), QSize(4760, 6866));
}

// A picture lands where the sheet's coordinates put it, shifted by the unprintable offsets.
TEST(PrevPrinter, StretchDrawFillsTheRectangleOfTheSheet) {
  TDruckerMass klein;
  klein.Seite = QSize(400, 300);
  klein.Versatz = QPoint(10, 20);
  klein.Druckbereich = QSize(380, 260);
  klein.XPpi = klein.YPpi = 100;
  TSkriptDialoge dialoge;
  TPrevPrinter drucker(dialoge, klein);
  QImage schwarz(4, 3, QImage::Format_RGB32);
  schwarz.fill(Qt::black);
  drucker.StretchDraw(QRect(0, 0, 400, 300), schwarz);  // before the first page: ignored
  drucker.NewJob();
  drucker.StretchDraw(QRect(60, 70, 40, 30), schwarz);
  drucker.DonePrinting();
  drucker.StretchDraw(QRect(0, 0, 400, 300), schwarz);  // after the end: ignored

  QImage seite(klein.Druckbereich, QImage::Format_RGB32);
  seite.fill(Qt::white);
  {
    QPainter maler(&seite);
    drucker.SeiteZeichnen(maler, 1, QRectF(QPointF(0, 0), QSizeF(klein.Druckbereich)));
  }
  int links = seite.width(), oben = seite.height(), rechts = -1, unten = -1;
  for (int y = 0; y < seite.height(); ++y) {
    for (int x = 0; x < seite.width(); ++x) {
      if (qGray(seite.pixel(x, y)) >= 128) continue;
      links = std::min(links, x);
      rechts = std::max(rechts, x);
      oben = std::min(oben, y);
      unten = std::max(unten, y);
    }
  }
  EXPECT_EQ(QRect(QPoint(links, oben), QPoint(rechts, unten)), QRect(50, 50, 40, 30));
}

TEST(PrevPrinter, ANewJobDiscardsThePagesBefore) {
  TSkriptDialoge dialoge;
  TPrevPrinter drucker(dialoge, Laserdrucker());
  drucker.NewJob();
  drucker.NewPage();
  drucker.NewPage();
  drucker.DonePrinting();
  drucker.NewJob();
  drucker.TextOut(0, 0, QStringLiteral("neu"));
  drucker.DonePrinting();
  ASSERT_EQ(drucker.GetPageCount(), 1);
  EXPECT_TRUE(SeiteEnthaelt(drucker, 1, QStringLiteral("neu")));
}

TEST(PrevPrinter, SetCurrentPageGoesBackToAnEarlierPage) {
  TSkriptDialoge dialoge;
  TPrevPrinter drucker(dialoge, Laserdrucker());
  drucker.NewJob();
  drucker.NewPage();
  drucker.SetCurrentPage(1);
  drucker.TextOut(300, 300, QStringLiteral("Seite 1 von 2"));
  drucker.SetCurrentPage(7);
  EXPECT_EQ(drucker.CurrentPage(), 1);
  drucker.DonePrinting();
  EXPECT_TRUE(SeiteEnthaelt(drucker, 1, QStringLiteral("Seite 1 von 2")));
  EXPECT_TRUE(ZeilenDerSeite(drucker, 2).empty());
}

TEST(PrevPrinter, PrintsEveryPageIntoAPdfWithItsMessages) {
  QTemporaryDir ordner;
  const QString pfad = ordner.filePath(QStringLiteral("probe.pdf"));
  TSkriptDialoge dialoge;
  TPrevPrinter drucker(dialoge, PdfMass());
  {
    auto pdf = PdfDrucker(pfad, QPageLayout::Portrait, QStringLiteral("Probe"));
    EXPECT_FALSE(drucker.PrintIt(*pdf));  // nothing recorded yet
  }
  drucker.NewJob();
  drucker.TextOut(300, 300, QStringLiteral("MÜL"));
  drucker.NewPage();
  drucker.Rectangle(300, 300, 900, 900);
  drucker.NewPage();
  drucker.TextOut(300, 300, QStringLiteral("dritte"));
  drucker.TextOut(2000, 3300, QStringLiteral("unten"));
  dialoge.ProtokollLeeren();
  {
    auto pdf = PdfDrucker(pfad, QPageLayout::Portrait, QStringLiteral("Probe"));
    EXPECT_TRUE(drucker.PrintIt(*pdf));
  }
  EXPECT_TRUE(drucker.Fertig());
  EXPECT_EQ(Meldungen(dialoge),
            (std::vector<std::string>{"(zu)", "Seite 1 wird gedruckt.", "Seite 2 wird gedruckt.",
                                      "Seite 3 wird gedruckt.", "(zu)"}));
  EXPECT_EQ(PdfSeiten(pfad), 3);
  EXPECT_TRUE(PdfText(pfad, 1).contains(QStringLiteral("MÜL")));
  EXPECT_GT(PdfDunklePunkte(pfad, 2), 0);
  EXPECT_TRUE(PdfText(pfad, 3).contains(QStringLiteral("dritte")));
  // 2000 of 2480 pixels across, 3300 of 3508 down: still on the sheet, at the right place.
  const QString rechtsUnten = PdfTextIn(pfad, 3, QRectF(0.8, 0.93, 0.2, 0.07));
  EXPECT_EQ(rechtsUnten.trimmed(), QStringLiteral("unten"));

  {
    auto pdf = PdfDrucker(pfad, QPageLayout::Portrait, QStringLiteral("Probe"));
    EXPECT_TRUE(drucker.PrintPage(*pdf, 3));
    EXPECT_FALSE(drucker.PrintPage(*pdf, 4));
  }
  EXPECT_EQ(PdfSeiten(pfad), 1);
  EXPECT_TRUE(PdfText(pfad).contains(QStringLiteral("dritte")));
}

}  // namespace
}  // namespace orbato
