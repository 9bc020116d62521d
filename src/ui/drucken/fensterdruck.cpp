#include "ui/drucken/fensterdruck.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPixmap>
#include <algorithm>
#include <cmath>

#include "model/dokument/schule.h"
#include "print/prevprinter.h"
#include "ui/hauptfenster/orbatopalette.h"

namespace orbato {
namespace {

// The part of the sheet a window picture may use: 1 cm from each edge, and never beyond what
// the printer reaches.
QRect Satzspiegel(const TPrevPrinter& aufnahme) {
  const int randX = aufnahme.XInch(1 / 2.54);
  const int randY = aufnahme.YInch(1 / 2.54);
  const QRect druckbar(QPoint(aufnahme.XOff(), aufnahme.YOff()), aufnahme.PrintSize());
  const QRect blatt(QPoint(0, 0), aufnahme.PageSize());
  return blatt.adjusted(randX, randY, -randX, -randY).intersected(druckbar);
}

}  // namespace

TFensterBild FensterBild(QWidget& fenster, const QString& titel) {
  TFensterBild bild;
  bild.titel = titel;
  bild.bild = fenster.grab().toImage();
  bild.dpi = std::max(1, fenster.logicalDpiX());
  return bild;
}

void FensterAufzeichnen(TPrevPrinter& aufnahme, const TFensterBild& fenster) {
  aufnahme.NewJob(fenster.titel);
  const QRect spiegel = Satzspiegel(aufnahme);
  const int zeile = aufnahme.TextHeight();
  const int bildOben = spiegel.top() + 2 * zeile;
  const QImage& bild = fenster.bild;
  const double dpr = bild.isNull() ? 1 : bild.devicePixelRatio();
  // Printer pixels per pixel of the image: the size on screen, or less to fit the width.
  double sx = aufnahme.pXppi() / fenster.dpi / dpr;
  if (!bild.isNull() && bild.width() * sx > spiegel.width()) {
    sx = double(spiegel.width()) / bild.width();
  }
  const double sy = sx * aufnahme.pYppi() / std::max(1, aufnahme.pXppi());
  const int hoehe = std::max(1, spiegel.bottom() + 1 - bildOben);
  const int streifen = std::max(1, int(std::floor(hoehe / sy)));
  const int seiten = bild.isNull() ? 1 : (bild.height() + streifen - 1) / streifen;
  for (int seite = 1; seite <= seiten; ++seite) {
    if (seite > 1) aufnahme.NewPage();
    QString kopf = fenster.titel;
    if (seiten > 1) kopf += QStringLiteral("   Seite %1 von %2").arg(seite).arg(seiten);
    aufnahme.TextOut(spiegel.left(), spiegel.top(), kopf);
    if (bild.isNull()) continue;
    const int von = (seite - 1) * streifen;
    const int zeilen = std::min(streifen, bild.height() - von);
    const QRect ziel(spiegel.left(), bildOben, int(std::lround(bild.width() * sx)),
                     int(std::lround(zeilen * sy)));
    aufnahme.StretchDraw(ziel, bild.copy(0, von, bild.width(), zeilen));
  }
  aufnahme.DonePrinting();
}

void FensterDrucken(TOrbatoPalette& palette, const TFensterAusgabe& ausgabe) {
  QMdiArea* flaeche = palette.Arbeitsflaeche();
  QMdiSubWindow* aktiv = flaeche->activeSubWindow();
  if (aktiv == nullptr) aktiv = flaeche->currentSubWindow();
  if (aktiv == nullptr || aktiv->widget() == nullptr) {
    palette.fFehlerZeigen(QStringLiteral("Es ist kein Fenster geöffnet."));
    return;
  }
  // The picture is taken now, before the printer dialog covers the window.
  const TFensterBild bild = FensterBild(*aktiv->widget(), aktiv->windowTitle());
  ausgabe(&palette, palette.schule().Dialog(),
          [bild](TPrevPrinter& aufnahme) { FensterAufzeichnen(aufnahme, bild); });
}

void FensterDrucken(TOrbatoPalette& palette) {
  FensterDrucken(palette, [](QWidget* eltern, Dialoge& dialoge, const TAufzeichnung& aufzeichnen) {
    DruckenNachDialog(eltern, dialoge, aufzeichnen);
  });
}

}  // namespace orbato
