#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include "ui/stammdaten/sperrraster.h"

namespace orbato {

// Drags the mouse over a week grid from one cell to another (days and periods from 1), with the
// press, move and release the rubber band follows.
inline void Ziehe(TSperrRaster* raster, int vonTag, int vonStd, int bisTag, int bisStd) {
  QWidget* flaeche = raster->viewport();
  const QPoint von = raster->visualRect(raster->model()->index(vonStd - 1, vonTag - 1)).center();
  const QPoint bis = raster->visualRect(raster->model()->index(bisStd - 1, bisTag - 1)).center();
  QTest::mousePress(flaeche, Qt::LeftButton, {}, von);
  QMouseEvent bewegung(QEvent::MouseMove, bis, flaeche->mapToGlobal(bis), Qt::NoButton,
                       Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(flaeche, &bewegung);
  QTest::mouseRelease(flaeche, Qt::LeftButton, {}, bis);
}

}  // namespace orbato
