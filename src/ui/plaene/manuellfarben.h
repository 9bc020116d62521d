#pragma once

#include <QBrush>
#include <QColor>
#include <cstdint>

namespace orbato {

// The colours of the manual-planning window: the ground of a cell by the worst obstacle the
// current course meets there (-1 while obstacles are not shown), and the frames.
inline QColor SchwereFarbe(int32_t schwere) {
  switch (schwere) {
    case 0:
      return {198, 239, 190};  // free
    case 1:
      return {255, 236, 153};  // lessons that may be displaced
    case 2:
      return {255, 196, 128};  // a room that cannot be had
    case 3:
      return {240, 150, 150};  // a blocking or a fixed lesson
    default:
      return {255, 255, 255};
  }
}
inline const QColor kEigenerRahmen{31, 78, 156};
inline const QColor kEigenerGrund{214, 228, 250};
// Laid over the cells the plan's element is blocked in.
inline QBrush SperrMuster() {
  return {QColor(0, 0, 0, 70), Qt::BDiagPattern};
}
inline const QColor kStundenRahmen{120, 120, 120};
inline const QColor kZielRahmen{31, 78, 156};
inline const QColor kGitter{205, 205, 205};

}  // namespace orbato
