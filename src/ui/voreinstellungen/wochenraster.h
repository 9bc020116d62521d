#pragma once

#include <QWidget>

#include "model/woche/woelem.h"

namespace orbato {

// A week grid to edit a blocking template: days across, periods down, a blocked cell dark. A
// click turns a cell over; dragging on gives every cell passed the state of the first one.
class TWochenRaster : public QWidget {
  Q_OBJECT

 public:
  // Days 1..tage and periods 1..stunden are shown, labelled from the settings.
  TWochenRaster(const TWoElem& elem, int tage, int stunden, QWidget* eltern = nullptr);

  const TWoElem& Elem() const { return fElem; }
  // The cell at a point, false outside the cells; for tests and the mouse.
  bool ZelleBei(const QPoint& punkt, int& tag, int& std) const;
  QRect ZellRechteck(int tag, int std) const;

  QSize sizeHint() const override;

 signals:
  void geaendert();

 protected:
  void paintEvent(QPaintEvent* ereignis) override;
  void mousePressEvent(QMouseEvent* ereignis) override;
  void mouseMoveEvent(QMouseEvent* ereignis) override;

 private:
  void Setze(int tag, int std);

  TWoElem fElem;
  int fTage;
  int fStunden;
  bool fZiehWert = false;
  bool fZieht = false;
};

}  // namespace orbato
