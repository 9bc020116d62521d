#include "print/prevprinter.h"

#include <QCursor>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPainter>
#include <cmath>

#include "model/schnittstellen/dialoge.h"

namespace orbato {

TPrevPrinter::TPrevPrinter(Dialoge& dialoge, const TDruckerMass& drucker)
    : fDialoge(dialoge), fDrucker(drucker) {}

TPrevPrinter::~TPrevPrinter() {
  Abschliessen();
}

void TPrevPrinter::Meldung(const QString& text, bool neu) {
  const QByteArray latin = text.toLatin1();
  if (neu) {
    fDialoge.MeldungZeigen(std::string_view(latin.constData(), latin.size()));
  } else {
    fDialoge.MeldungAendern(std::string_view(latin.constData(), latin.size()));
  }
}

void TPrevPrinter::Verwerfen() {
  Abschliessen();
  FCanvases.clear();
  FMetafiles.clear();
  FCurrentPage = 0;
}

// Ends every painter, which completes the pictures.
void TPrevPrinter::Abschliessen() {
  for (auto& maler : FCanvases) {
    if (maler && maler->isActive()) maler->end();
  }
}

void TPrevPrinter::NewJob(const QString& titel) {
  Verwerfen();
  FDonePrinting = false;
  fTitle = titel;
  Meldung(QStringLiteral("Seite %1 wird aufgezeichnet.").arg(FCurrentPage), true);
  NewPage();
}

void TPrevPrinter::NewPage() {
  if (FDonePrinting) return;
  auto bild = std::make_unique<QPicture>();
  bild->setBoundingRect(QRect(QPoint(0, 0), fDrucker.Druckbereich));
  auto maler = std::make_unique<QPainter>(bild.get());
  FMetafiles.push_back(std::move(bild));
  FCanvases.push_back(std::move(maler));
  FCurrentPage = GetPageCount();
  Meldung(QStringLiteral("Seite %1 wird aufgezeichnet.").arg(FCurrentPage), false);
  SetBrush(Qt::NoBrush);
  SetFont(Schrift(QStringLiteral("Arial"), 10));
  SetPen(QPen(Qt::black, 1));
}

void TPrevPrinter::DonePrinting() {
  if (FDonePrinting) return;
  Abschliessen();
  FDonePrinting = true;
  if (!FMetafiles.empty()) fDialoge.MeldungSchliessen();
}

void TPrevPrinter::SetCurrentPage(int seite) {
  if (seite >= 1 && seite <= GetPageCount()) FCurrentPage = seite;
}

QPainter* TPrevPrinter::Maler() const {
  if (FDonePrinting || FCurrentPage < 1 || FCurrentPage > GetPageCount()) return nullptr;
  QPainter* maler = FCanvases[FCurrentPage - 1].get();
  return maler && maler->isActive() ? maler : nullptr;
}

QFont TPrevPrinter::Schrift(const QString& name, int punkte, bool fett) const {
  QFont schrift(name);
  schrift.setPixelSize(
      std::max(1, static_cast<int>(std::lround(std::abs(punkte) * fDrucker.YPpi / 72.0))));
  schrift.setBold(fett);
  return schrift;
}

void TPrevPrinter::SetFont(const QFont& font) {
  fFont = font;
  if (QPainter* maler = Maler()) maler->setFont(fFont);
}

void TPrevPrinter::SetPen(const QPen& pen) {
  fPen = pen;
  if (QPainter* maler = Maler()) maler->setPen(fPen);
}

void TPrevPrinter::SetBrush(const QBrush& brush) {
  fBrush = brush;
  if (QPainter* maler = Maler()) maler->setBrush(fBrush);
}

int TPrevPrinter::TextWidth(const QString& text) const {
  return QFontMetrics(fFont).horizontalAdvance(text);
}

int TPrevPrinter::TextHeight() const {
  return QFontMetrics(fFont).height();
}

int TPrevPrinter::XInch(double zoll) const {
  return static_cast<int>(std::lround(zoll * fDrucker.XPpi));
}

int TPrevPrinter::YInch(double zoll) const {
  return static_cast<int>(std::lround(zoll * fDrucker.YPpi));
}

void TPrevPrinter::TextOut(int x, int y, const QString& text) {
  QPainter* maler = Maler();
  if (!maler) return;
  const QFontMetrics mass(fFont);
  const QPoint ecke(x - XOff(), y - YOff());
  if (fBrush.style() != Qt::NoBrush) {
    maler->fillRect(QRect(ecke, QSize(mass.horizontalAdvance(text), mass.height())), fBrush);
  }
  maler->drawText(ecke + QPoint(0, mass.ascent()), text);
  FPenpos = QPoint(x + mass.horizontalAdvance(text), y);
}

void TPrevPrinter::LineTo(int x, int y) {
  if (QPainter* maler = Maler()) {
    maler->drawLine(FPenpos - fDrucker.Versatz, QPoint(x, y) - fDrucker.Versatz);
  }
  FPenpos = QPoint(x, y);
}

void TPrevPrinter::Line(int x1, int y1, int x2, int y2) {
  MoveTo(x1, y1);
  LineTo(x2, y2);
}

void TPrevPrinter::Rectangle(int x1, int y1, int x2, int y2) {
  if (QPainter* maler = Maler()) {
    maler->drawRect(
        QRect(QPoint(x1, y1) - fDrucker.Versatz, QPoint(x2 - 1, y2 - 1) - fDrucker.Versatz));
  }
}

void TPrevPrinter::Ellipse(int x1, int y1, int x2, int y2) {
  if (QPainter* maler = Maler()) {
    maler->drawEllipse(
        QRect(QPoint(x1, y1) - fDrucker.Versatz, QPoint(x2 - 1, y2 - 1) - fDrucker.Versatz));
  }
}

void TPrevPrinter::FillRect(const QRect& rechteck) {
  if (QPainter* maler = Maler()) maler->fillRect(rechteck.translated(-fDrucker.Versatz), fBrush);
}

void TPrevPrinter::StretchDraw(const QRect& rechteck, const QImage& bild) {
  if (QPainter* maler = Maler()) maler->drawImage(rechteck.translated(-fDrucker.Versatz), bild);
}

void TPrevPrinter::SeiteZeichnen(QPainter& maler, int seite, const QRectF& ziel) const {
  if (seite < 1 || seite > GetPageCount()) return;
  const QSizeF quelle(fDrucker.Druckbereich);
  if (quelle.isEmpty()) return;
  const QPicture& bild = *FMetafiles[seite - 1];
  // A picture replays itself scaled by the ratio of the device's resolution to its own; the
  // pages are in printer pixels already, so that ratio is taken out again.
  const QPaintDevice* geraet = maler.device();
  const double dx = geraet ? double(bild.logicalDpiX()) / geraet->logicalDpiX() : 1;
  const double dy = geraet ? double(bild.logicalDpiY()) / geraet->logicalDpiY() : 1;
  maler.save();
  maler.translate(ziel.topLeft());
  maler.scale(ziel.width() / quelle.width() * dx, ziel.height() / quelle.height() * dy);
  maler.drawPicture(0, 0, bild);
  maler.restore();
}

bool TPrevPrinter::Ausgeben(QPagedPaintDevice& drucker, int von, int bis) {
  DonePrinting();
  if (FMetafiles.empty() || von < 1 || bis > GetPageCount() || von > bis) return false;
  const bool mitZeiger = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
  if (mitZeiger) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  QPainter maler;
  bool offen = maler.begin(&drucker);
  if (offen) {
    const QRect seite = drucker.pageLayout().paintRectPixels(drucker.logicalDpiY());
    const QRectF ziel(QPointF(0, 0), QSizeF(seite.size()));
    for (int n = von; n <= bis && offen; ++n) {
      Meldung(QStringLiteral("Seite %1 wird gedruckt.").arg(n), n == von);
      if (n > von) offen = drucker.newPage();
      if (offen) SeiteZeichnen(maler, n, ziel);
    }
    maler.end();
    fDialoge.MeldungSchliessen();
  }
  if (mitZeiger) QGuiApplication::restoreOverrideCursor();
  return offen;
}

bool TPrevPrinter::PrintIt(QPagedPaintDevice& drucker) {
  return Ausgeben(drucker, 1, GetPageCount());
}

bool TPrevPrinter::PrintPage(QPagedPaintDevice& drucker, int seite) {
  return Ausgeben(drucker, seite, seite);
}

}  // namespace orbato
