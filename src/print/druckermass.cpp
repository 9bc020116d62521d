#include "print/druckermass.h"

#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPdfWriter>

namespace orbato {

TDruckerMass DruckerMass(const QPagedPaintDevice& drucker) {
  const QPageLayout layout = drucker.pageLayout();
  const int aufloesung = drucker.logicalDpiY();
  TDruckerMass mass;
  mass.XPpi = drucker.logicalDpiX();
  mass.YPpi = aufloesung;
  mass.Seite = layout.fullRectPixels(aufloesung).size();
  const QRect druckbereich = layout.paintRectPixels(aufloesung);
  mass.Versatz = druckbereich.topLeft();
  mass.Druckbereich = druckbereich.size();
  mass.Ausrichtung = layout.orientation();
  return mass;
}

namespace {

QPageLayout PdfLayout(QPageLayout::Orientation ausrichtung) {
  return QPageLayout(QPageSize(QPageSize::A4), ausrichtung, QMarginsF(0, 0, 0, 0));
}

}  // namespace

TDruckerMass PdfMass(QPageLayout::Orientation ausrichtung) {
  const QPageLayout layout = PdfLayout(ausrichtung);
  TDruckerMass mass;
  mass.XPpi = mass.YPpi = kPdfAufloesung;
  mass.Seite = mass.Druckbereich = layout.fullRectPixels(kPdfAufloesung).size();
  mass.Ausrichtung = ausrichtung;
  return mass;
}

std::unique_ptr<QPdfWriter> PdfDrucker(const QString& pfad, QPageLayout::Orientation ausrichtung,
                                       const QString& titel) {
  auto drucker = std::make_unique<QPdfWriter>(pfad);
  drucker->setResolution(kPdfAufloesung);
  drucker->setPageLayout(PdfLayout(ausrichtung));
  drucker->setTitle(titel);
  drucker->setCreator(QStringLiteral("WinOrbato"));
  return drucker;
}

}  // namespace orbato
