#pragma once

#include <QWidget>

#include "model/einstellungen/standard.h"
#include "scheduler/bewertungstabelle.h"

class QPainter;

namespace orbato {

// One rating table to edit: the seven days across, the sixteen periods down, each cell with its
// rank and, in a margin on its right, an arrow up and an arrow down for the links with the cells
// above and below, red while linked. A click on the upper part of the margin links the cell with
// the one above or parts them, the lower part the same with the one below; dragging a cell onto
// another exchanges their ranks.
class TBewertungsRaster : public QWidget {
  Q_OBJECT

 public:
  // Days and periods are labelled as the settings name them.
  explicit TBewertungsRaster(const TStandard& standard, QWidget* eltern = nullptr);

  // The table shown and changed; it must outlive the raster or be replaced first.
  void SetTabelle(TBewertungsTabelle* tabelle);

  // Where things are, for the mouse and for tests.
  QRect ZellRechteck(int tag, int std) const;
  QRect RandOben(int tag, int std) const;
  QRect RandUnten(int tag, int std) const;
  // The cell at a point, false outside the cells.
  bool ZelleBei(const QPoint& punkt, int& tag, int& std) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 signals:
  void geaendert();

 protected:
  void paintEvent(QPaintEvent* ereignis) override;
  void mousePressEvent(QMouseEvent* ereignis) override;
  void mouseReleaseEvent(QMouseEvent* ereignis) override;

 private:
  void Pfeil(QPainter& maler, const QRect& rand, bool nachOben, bool verbunden) const;

  const TStandard& fStandard;
  TBewertungsTabelle* fTabelle = nullptr;
  int fKopfBreite;
  int fKopfHoehe;
  int fZellBreite;
  int fZellHoehe;
  int fRandBreite;
  // The press: its cell, and whether it was in the margin (-1 upper, 1 lower, 0 the cell).
  int fDruckTag = 0;
  int fDruckStd = 0;
  int fDruckRand = 0;
};

}  // namespace orbato
