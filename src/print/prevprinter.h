#pragma once

#include <QBrush>
#include <QFont>
#include <QImage>
#include <QPen>
#include <QPicture>
#include <QPoint>
#include <QRect>
#include <QString>
#include <memory>
#include <vector>

#include "print/druckermass.h"

class QPagedPaintDevice;
class QPainter;

namespace orbato {

class Dialoge;

// The page recorder every printout draws on. Pages are recorded as vector pictures in the
// coordinates of the whole sheet in printer pixels; they are then printed, shown in the preview
// or written as PDF, always the same pictures. Drawing before the first page and after
// DonePrinting is ignored, so a printout that stops early leaves no half-drawn page behind.
class TPrevPrinter {
 public:
  // `dialoge` shows the one-line message window while pages are recorded and printed.
  TPrevPrinter(Dialoge& dialoge, const TDruckerMass& drucker);
  ~TPrevPrinter();
  TPrevPrinter(const TPrevPrinter&) = delete;
  TPrevPrinter& operator=(const TPrevPrinter&) = delete;

  // The printer the next job is recorded for.
  void SetDrucker(const TDruckerMass& drucker) { fDrucker = drucker; }
  const TDruckerMass& Drucker() const { return fDrucker; }

  // Discards earlier pages, takes the offsets and resolution of the printer and starts page 1.
  void NewJob(const QString& titel = {});
  void NewPage();
  // Ends the recording; the pages are complete from here on.
  void DonePrinting();
  bool Fertig() const { return FDonePrinting; }
  int GetPageCount() const { return static_cast<int>(FMetafiles.size()); }
  // The 1-based page further drawing goes to; outside 1..page count it is ignored.
  void SetCurrentPage(int seite);
  int CurrentPage() const { return FCurrentPage; }
  // Prints every page, or one page, onto a printer or PDF writer, each page stretched over the
  // printer's page. False when there was nothing to print or the device could not be opened.
  bool PrintIt(QPagedPaintDevice& drucker);
  bool PrintPage(QPagedPaintDevice& drucker, int seite);
  // Draws recorded page n (1-based) scaled into the rectangle, for the preview.
  void SeiteZeichnen(QPainter& maler, int seite, const QRectF& ziel) const;
  const QPicture& Seite(int seite) const { return *FMetafiles[seite - 1]; }

  // Drawing on the current page; coordinates of the whole sheet. TextOut puts the top left of
  // the text at the point and fills behind it when the brush is not transparent.
  void TextOut(int x, int y, const QString& text);
  int TextWidth(const QString& text) const;
  // The height of a line of the font, whatever the text.
  int TextHeight() const;
  void MoveTo(int x, int y) { FPenpos = QPoint(x, y); }
  void LineTo(int x, int y);
  void Line(int x1, int y1, int x2, int y2);
  QPoint Penpos() const { return FPenpos; }
  // Outline with the pen, inside with the brush; right and bottom edges are outside.
  void Rectangle(int x1, int y1, int x2, int y2);
  void Ellipse(int x1, int y1, int x2, int y2);
  // The rectangle filled with the brush, without an outline.
  void FillRect(const QRect& rechteck);
  // The picture stretched over the rectangle.
  void StretchDraw(const QRect& rechteck, const QImage& bild);

  const QFont& GetFont() const { return fFont; }
  void SetFont(const QFont& font);
  // A font of the settings by name and size in points at the printer's vertical resolution.
  QFont Schrift(const QString& name, int punkte, bool fett = false) const;
  const QPen& GetPen() const { return fPen; }
  void SetPen(const QPen& pen);
  const QBrush& GetBrush() const { return fBrush; }
  void SetBrush(const QBrush& brush);

  // The whole sheet and its printable part, in printer pixels.
  QSize PageSize() const { return fDrucker.Seite; }
  QSize PrintSize() const { return fDrucker.Druckbereich; }
  int XInch(double zoll) const;
  int YInch(double zoll) const;
  int pXppi() const { return fDrucker.XPpi; }
  int pYppi() const { return fDrucker.YPpi; }
  int XOff() const { return fDrucker.Versatz.x(); }
  int YOff() const { return fDrucker.Versatz.y(); }
  QPageLayout::Orientation FOrientation() const { return fDrucker.Ausrichtung; }
  const QString& Title() const { return fTitle; }

 private:
  QPainter* Maler() const;
  void Meldung(const QString& text, bool neu);
  void Abschliessen();
  void Verwerfen();
  bool Ausgeben(QPagedPaintDevice& drucker, int von, int bis);

  Dialoge& fDialoge;
  TDruckerMass fDrucker;
  std::vector<std::unique_ptr<QPicture>> FMetafiles;
  std::vector<std::unique_ptr<QPainter>> FCanvases;
  int FCurrentPage = 0;
  bool FDonePrinting = false;
  QString fTitle;
  QFont fFont;
  QPen fPen;
  QBrush fBrush;
  QPoint FPenpos;
};

}  // namespace orbato
