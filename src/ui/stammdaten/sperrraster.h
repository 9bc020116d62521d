#pragma once

#include <QColor>
#include <QTableWidget>
#include <functional>

namespace orbato {

class TStandard;
class TWochBereich;

// The blocking grid of a course, teacher, class or room: days across, periods down, the current
// version's blocking in grey and the element's own lessons marked. A rubber band from one cell to
// another reports the rectangle; what it does to the blocking is the owner's rule.
class TSperrRaster : public QTableWidget {
  Q_OBJECT

 public:
  explicit TSperrRaster(const TStandard& standard);

  // Shows the current version; the occupied cells in the colour `belegt`.
  void Anzeigen(const TWochBereich& sperrung, const TWochBereich& besetzung, const QColor& belegt);

  // The rubber band ended: days and periods from 1, start cell first.
  std::function<void(int32_t vonTag, int32_t vonStd, int32_t bisTag, int32_t bisStd)> fGezogen;

 private:
  const TStandard& fStandard;
};

}  // namespace orbato
