#pragma once

#include <QPageLayout>
#include <QPdfWriter>
#include <QPoint>
#include <QSize>
#include <QString>
#include <memory>

class QPagedPaintDevice;

namespace orbato {

// What a recording needs to know of the printer it is meant for: the sheet, the part of it the
// printer reaches, and its resolution. All sizes in the printer's device pixels.
struct TDruckerMass {
  QSize Seite;         // the whole sheet
  QPoint Versatz;      // the unprintable offsets at the left and top edge
  QSize Druckbereich;  // the printable area, from the offsets on
  int XPpi = 300, YPpi = 300;
  QPageLayout::Orientation Ausrichtung = QPageLayout::Portrait;
};

// The measures of a printer or PDF writer as it is set up now.
TDruckerMass DruckerMass(const QPagedPaintDevice& drucker);

// PDF files are written at this resolution on A4 without unprintable edges.
inline constexpr int kPdfAufloesung = 300;
TDruckerMass PdfMass(QPageLayout::Orientation ausrichtung = QPageLayout::Portrait);
// A PDF writer for the file with the measures of PdfMass and the document title.
std::unique_ptr<QPdfWriter> PdfDrucker(const QString& pfad, QPageLayout::Orientation ausrichtung,
                                       const QString& titel);

}  // namespace orbato
