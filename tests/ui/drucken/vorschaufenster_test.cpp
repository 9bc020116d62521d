#include "ui/drucken/vorschaufenster.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include "model/schnittstellen/dialoge.h"
#include "oberflaeche.h"
#include "print/druckermass.h"
#include "print/prevprinter.h"
#include "ui/drucken/druckausgabe.h"

namespace orbato {
namespace {

// Page n of the three pages the tests record: the top-left quarter black on page 1, the
// bottom-right quarter on page 2, the whole page on page 3.
void DreiSeiten(TPrevPrinter& aufnahme) {
  aufnahme.NewJob(QStringLiteral("Probe"));
  const QSize blatt = aufnahme.PageSize();
  const int b = blatt.width() / 2, h = blatt.height() / 2;
  aufnahme.SetBrush(Qt::black);
  aufnahme.FillRect(QRect(0, 0, b, h));
  aufnahme.NewPage();
  aufnahme.SetBrush(Qt::black);
  aufnahme.FillRect(QRect(b, h, b, h));
  aufnahme.NewPage();
  aufnahme.SetBrush(Qt::black);
  aufnahme.FillRect(QRect(QPoint(0, 0), blatt));
  aufnahme.DonePrinting();
}

// The colour of the sheet as shown, at a point given in fractions of its width and height.
QColor Punkt(QWidget* ansicht, double x, double y) {
  const QImage bild = ansicht->grab().toImage();
  return bild.pixelColor(int(x * (bild.width() - 1)), int(y * (bild.height() - 1)));
}

int PdfSeiten(const QString& pdf) {
  QProcess info;
  info.start(QStringLiteral("pdfinfo"), {pdf});
  if (!info.waitForFinished(60000) || info.exitCode() != 0) return -1;
  const auto treffer = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                           .match(QString::fromUtf8(info.readAllStandardOutput()));
  return treffer.hasMatch() ? treffer.captured(1).toInt() : -1;
}

}  // namespace

class VorschauFensterTest : public QObject {
  Q_OBJECT

  TSkriptDialoge fDialoge;
  std::unique_ptr<TPrevPrinter> fAufnahme;
  std::unique_ptr<TVorschauFenster> fFenster;

 private slots:
  void init() {
    fDialoge.ProtokollLeeren();
    fAufnahme = std::make_unique<TPrevPrinter>(fDialoge, PdfMass());
    DreiSeiten(*fAufnahme);
    fFenster = std::make_unique<TVorschauFenster>(*fAufnahme, fDialoge);
    fFenster->show();
    QVERIFY(QTest::qWaitForWindowExposed(fFenster.get()));
  }
  void cleanup() {
    fFenster.reset();
    fAufnahme.reset();
  }

  void ShowsTheFirstPageWithItsButtons() {
    QCOMPARE(fFenster->windowTitle(), QStringLiteral("Druckvorschau: Probe"));
    QCOMPARE(fFenster->SeitenText()->text(), QStringLiteral("Seite 1 von 3"));
    QStringList knoepfe;
    for (const QPushButton* b : fFenster->findChildren<QPushButton*>()) knoepfe << b->text();
    QCOMPARE(knoepfe, (QStringList{"vorige Seite", "nächste Seite", "Ganze Seite", "Seitenbreite",
                                   "-", "+", "als PDF sichern...", "Drucken", "Schließen"}));
    QVERIFY(!fFenster->VorigeKnopf()->isEnabled());
    QVERIFY(fFenster->NaechsteKnopf()->isEnabled());
    QCOMPARE(Punkt(fFenster->Ansicht(), 0.2, 0.2), QColor(Qt::black));
    QCOMPARE(Punkt(fFenster->Ansicht(), 0.8, 0.8), QColor(Qt::white));
  }

  // The buttons and PgUp/PgDn turn the pages; neither goes beyond the first or the last.
  void PagesTurnByButtonAndKey() {
    fFenster->NaechsteKnopf()->click();
    QCOMPARE(fFenster->SeitenText()->text(), QStringLiteral("Seite 2 von 3"));
    QCOMPARE(Punkt(fFenster->Ansicht(), 0.2, 0.2), QColor(Qt::white));
    QCOMPARE(Punkt(fFenster->Ansicht(), 0.8, 0.8), QColor(Qt::black));
    QTest::keyClick(fFenster.get(), Qt::Key_PageDown);
    QCOMPARE(fFenster->Seite(), 3);
    QVERIFY(!fFenster->NaechsteKnopf()->isEnabled());
    QVERIFY(fFenster->VorigeKnopf()->isEnabled());
    QCOMPARE(Punkt(fFenster->Ansicht(), 0.2, 0.2), QColor(Qt::black));
    QTest::keyClick(fFenster.get(), Qt::Key_PageDown);
    QCOMPARE(fFenster->Seite(), 3);
    QTest::keyClick(fFenster.get(), Qt::Key_PageUp);
    QTest::keyClick(fFenster.get(), Qt::Key_PageUp);
    QCOMPARE(fFenster->SeitenText()->text(), QStringLiteral("Seite 1 von 3"));
    fFenster->ZeigeSeite(0);
    QCOMPARE(fFenster->Seite(), 1);
    fFenster->ZeigeSeite(7);
    QCOMPARE(fFenster->SeitenText()->text(), QStringLiteral("Seite 3 von 3"));
  }

  // "Ganze Seite" fits the sheet into the window with its proportions, "Seitenbreite" its width,
  // and "+"/"-" change the scale by a quarter.
  void ZoomFitsTheSheetOrScalesIt() {
    auto* rollen = fFenster->findChild<QScrollArea*>();
    const QSize platz = rollen->maximumViewportSize() - QSize(24, 24);
    QWidget* ansicht = fFenster->Ansicht();
    QCOMPARE(fFenster->Zoom(), TVorschauFenster::TZoom::GanzeSeite);
    QVERIFY(ansicht->width() <= platz.width() && ansicht->height() <= platz.height());
    QVERIFY(ansicht->width() == platz.width() || ansicht->height() == platz.height());
    QVERIFY(std::abs(ansicht->width() * 3508.0 / 2480 - ansicht->height()) <= 1.5);

    KnopfMit(fFenster.get(), QStringLiteral("Seitenbreite"))->click();
    const int balken = fFenster->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, rollen);
    QCOMPARE(ansicht->width(), platz.width() - balken);
    QApplication::processEvents();
    QVERIFY(rollen->verticalScrollBar()->maximum() > 0);

    const double vorher = fFenster->Massstab();
    KnopfMit(fFenster.get(), QStringLiteral("+"))->click();
    QCOMPARE(fFenster->Zoom(), TVorschauFenster::TZoom::Frei);
    QCOMPARE(fFenster->Massstab(), vorher * 1.25);
    QCOMPARE(ansicht->width(), int(std::lround(2480 * vorher * 1.25)));
    KnopfMit(fFenster.get(), QStringLiteral("-"))->click();
    KnopfMit(fFenster.get(), QStringLiteral("-"))->click();
    QCOMPARE(fFenster->Massstab(), vorher / 1.25);
    QTest::keyClick(fFenster.get(), Qt::Key_Plus);
    QCOMPARE(fFenster->Massstab(), vorher);
    QTest::keyClick(fFenster.get(), Qt::Key_Minus);
    // The label gives the scale against the sheet's real size on this screen.
    const double echt = fFenster->logicalDpiX() / 300.0;
    QCOMPARE(fFenster->ZoomText()->text(),
             QStringLiteral("%1 %").arg(std::lround(vorher / 1.25 / echt * 100)));

    // A fitting zoom follows the window's size; a chosen scale stays.
    fFenster->resize(fFenster->width() + 200, fFenster->height());
    QApplication::processEvents();
    QCOMPARE(fFenster->Massstab(), vorher / 1.25);
    KnopfMit(fFenster.get(), QStringLiteral("Ganze Seite"))->click();
    const int breit = ansicht->width();
    fFenster->resize(fFenster->width() + 200, fFenster->height() + 300);
    QApplication::processEvents();
    QVERIFY(ansicht->width() > breit);
  }

  // "als PDF sichern..." offers the title as file name and writes every page; ".pdf" is added to
  // a name without one.
  void SavesEveryPageAsPdf() {
    QTemporaryDir ordner;
    QStringList vorschlaege;
    fFenster->fPdfDateiWaehlen = [&](const QString& vorschlag) {
      vorschlaege << vorschlag;
      return ordner.filePath(QStringLiteral("ausdruck"));
    };
    fFenster->PdfKnopf()->click();
    QCOMPARE(vorschlaege, QStringList{QDir::home().filePath(QStringLiteral("Probe.pdf"))});
    QCOMPARE(PdfSeiten(ordner.filePath(QStringLiteral("ausdruck.pdf"))), 3);
    QVERIFY(fDialoge.Protokoll(TDialogVorgang::Nachricht).empty());

    // Cancelled: nothing is written.
    fFenster->fPdfDateiWaehlen = [](const QString&) { return QString(); };
    fFenster->PdfKnopf()->click();
    QCOMPARE(QDir(ordner.path()).entryList(QDir::Files), QStringList{"ausdruck.pdf"});
  }

  void AFileThatCannotBeWrittenGivesAMessage() {
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("fehlt/a.pdf"));
    fFenster->fPdfDateiWaehlen = [&](const QString&) { return pfad; };
    fFenster->PdfKnopf()->click();
    const auto meldungen = fDialoge.Protokoll(TDialogVorgang::Nachricht);
    QCOMPARE(meldungen.size(), std::size_t(1));
    QCOMPARE(QString::fromStdString(meldungen[0].fTitel), QStringLiteral("Als PDF sichern"));
    QVERIFY(meldungen[0].fArt == TMeldungsArt::Fehler);
    QVERIFY(meldungen[0].fZeilen ==
            std::vector<std::string>{
                ("Die Datei " + pfad + " kann nicht geschrieben werden.").toStdString()});
    QVERIFY(!fFenster->AlsPdfSichern(ordner.path()));
    QCOMPARE(fDialoge.Protokoll(TDialogVorgang::Nachricht).size(), std::size_t(2));
  }

  // "Drucken" hands the recorded pages to the printing step, once per press.
  void PrintHandsOverTheRecordedPages() {
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("drucker.pdf"));
    int aufrufe = 0;
    fFenster->fDrucken = [&](TPrevPrinter& seiten) {
      ++aufrufe;
      QCOMPARE(&seiten, fAufnahme.get());
      auto pdf = PdfDrucker(pfad, seiten.FOrientation(), seiten.Title());
      QVERIFY(seiten.PrintIt(*pdf));
    };
    fFenster->DruckenKnopf()->click();
    QCOMPARE(aufrufe, 1);
    QCOMPARE(PdfSeiten(pfad), 3);
    // The message window of printing, page by page, then closed.
    std::vector<std::string> texte;
    for (const TDialogEintrag& e : fDialoge.Protokoll()) {
      if (!e.fZeilen.empty() && e.fZeilen[0].ends_with("gedruckt.")) texte.push_back(e.fZeilen[0]);
    }
    QVERIFY(texte == (std::vector<std::string>{"Seite 1 wird gedruckt.", "Seite 2 wird gedruckt.",
                                               "Seite 3 wird gedruckt."}));
  }

  void EscapeAndSchliessenClose() {
    QTest::keyClick(fFenster.get(), Qt::Key_Escape);
    QVERIFY(!fFenster->isVisible());
    fFenster->show();
    KnopfMit(fFenster.get(), QStringLiteral("Schließen"))->click();
    QVERIFY(!fFenster->isVisible());
  }

  void WithoutPagesNothingCanBeDone() {
    TPrevPrinter leer(fDialoge, PdfMass());
    TVorschauFenster fenster(leer, fDialoge);
    QCOMPARE(fenster.windowTitle(), QStringLiteral("Druckvorschau"));
    QCOMPARE(fenster.SeitenText()->text(), QStringLiteral("Seite 0 von 0"));
    for (QPushButton* b : {fenster.VorigeKnopf(), fenster.NaechsteKnopf(), fenster.DruckenKnopf(),
                           fenster.PdfKnopf()}) {
      QVERIFY2(!b->isEnabled(), qPrintable(b->text()));
    }
  }

  // "Ansehen" of a print dialog records the pages and shows them in the modal preview.
  void AnsehenOpensThePreview() {
    TModalSkript skript;
    QString text;
    skript.Dann([&](QWidget* fenster) {
      auto* vorschau = qobject_cast<TVorschauFenster*>(fenster);
      QVERIFY(vorschau != nullptr);
      vorschau->NaechsteKnopf()->click();
      text = vorschau->SeitenText()->text();
      KnopfMit(fenster, QStringLiteral("Schließen"))->click();
    });
    DruckAnsehen(nullptr, fDialoge, DreiSeiten);
    QVERIFY(skript.Fertig());
    QCOMPARE(skript.fTitel, QStringList{QStringLiteral("Druckvorschau: Probe")});
    QCOMPARE(text, QStringLiteral("Seite 2 von 3"));
  }
};

}  // namespace orbato

QTEST_MAIN(orbato::VorschauFensterTest)
#include "vorschaufenster_test.moc"
