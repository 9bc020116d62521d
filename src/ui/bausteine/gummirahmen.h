#pragma once

#include <QObject>
#include <QPoint>
#include <functional>

class QAbstractItemView;
class QModelIndex;
class QRubberBand;

namespace orbato {

// A rubber band the left button draws over the cells of a view: it reports the cell where it
// started and the cell where it ended, both in the view. While it is drawn the view itself sees
// none of the mouse.
class TGummiRahmen : public QObject {
 public:
  using TGezogen = std::function<void(const QModelIndex& von, const QModelIndex& bis)>;

  // A band starts only while all the `tasten` are held.
  TGummiRahmen(QAbstractItemView* ansicht, Qt::KeyboardModifiers tasten, TGezogen gezogen);

  // A release beyond the view then ends the band at the view's edge instead of nowhere.
  void AmRandEnden() { fAmRand = true; }

 protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;

 private:
  QPoint Ende(const QPoint& punkt) const;

  QAbstractItemView* fAnsicht;
  QObject* fFlaeche;  // the view's viewport, which the band lives on
  Qt::KeyboardModifiers fTasten;
  TGezogen fGezogen;
  QRubberBand* fGummi;
  QPoint fStart;
  bool fAmRand = false;
};

}  // namespace orbato
