#pragma once

#include <QWidget>

#include "model/einstellungen/standard.h"
#include "model/woche/woelem.h"

namespace orbato {

// A week grid to edit a blocking template: days across, periods down, a blocked cell dark. A
// click turns a cell over; dragging on gives every cell passed the state of the first one.
class TWochenRaster : public QWidget {
  Q_OBJECT

 public:
  // The days and periods of the settings' week are shown, labelled as the settings name them.
  TWochenRaster(const TWoElem& elem, const TStandard& standard, QWidget* eltern = nullptr);

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
  const TStandard& fStandard;
  int fTage;
  int fStunden;
  bool fZiehWert = false;
  bool fZieht = false;
};

}  // namespace orbato
