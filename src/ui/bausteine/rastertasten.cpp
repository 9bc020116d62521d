#include "ui/bausteine/rastertasten.h"

#include <QAbstractItemView>
#include <QKeyEvent>

#include "ui/hauptfenster/menuedaten.h"

namespace orbato {
namespace {

class TRasterTastenFilter : public QObject {
 public:
  TRasterTastenFilter(QAbstractItemView& raster, TRasterTasten tasten)
      : QObject(&raster), fZiel(&raster), fRaster(&raster), fTasten(std::move(tasten)) {}

  // The filter is the view's child and lives as long as it. The type comes first: while the view
  // is destroyed it still sends events (focus out), when it is no longer a view.
  bool eventFilter(QObject* objekt, QEvent* ereignis) override {
    if (ereignis->type() != QEvent::KeyPress || objekt != fZiel) return false;
    const auto* taste = static_cast<QKeyEvent*>(ereignis);
    const Qt::KeyboardModifiers tasten =
        taste->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    const bool shift = taste->modifiers() & Qt::ShiftModifier;
    switch (taste->key()) {
      case Qt::Key_Return:
      case Qt::Key_Enter:
        if (MitTasten(taste->modifiers() & ~Qt::KeypadModifier)) return true;
        [[fallthrough]];
      case Qt::Key_Space:
        if (tasten != Qt::NoModifier || shift) return false;
        return Zelle(fTasten.fAusloesen);
      case Qt::Key_Menu:
        return Zelle(fTasten.fMenue ? fTasten.fMenue : fTasten.fAusloesen);
      case Qt::Key_F10:
        if (!shift || tasten != Qt::NoModifier) return false;
        return Zelle(fTasten.fMenue ? fTasten.fMenue : fTasten.fAusloesen);
      case Qt::Key_Escape:
        return fTasten.fLoslassen && fTasten.fLoslassen();
      default:
        return false;
    }
  }

 private:
  // Shift, Alt or both, and nothing else.
  bool MitTasten(Qt::KeyboardModifiers tasten) {
    if (!fTasten.fMitTasten || tasten == Qt::NoModifier) return false;
    if ((tasten & ~(Qt::ShiftModifier | Qt::AltModifier)) != Qt::NoModifier) return false;
    return Zelle(
        [this, tasten](int zeile, int spalte) { fTasten.fMitTasten(zeile, spalte, tasten); });
  }

  bool Zelle(const std::function<void(int, int)>& handler) {
    const QModelIndex zelle = fRaster->currentIndex();
    if (!handler || !zelle.isValid()) return true;
    const QRect rechteck = fRaster->visualRect(zelle);
    const TMenuOrt ort(fRaster->viewport()->mapToGlobal(rechteck.bottomLeft()));
    handler(zelle.row(), zelle.column());
    return true;
  }

  const QObject* fZiel;  // compared as a plain object, whatever is left of the view
  QAbstractItemView* fRaster;
  TRasterTasten fTasten;
};

}  // namespace

void RasterTastenAnschliessen(QAbstractItemView& raster, TRasterTasten tasten) {
  raster.installEventFilter(new TRasterTastenFilter(raster, std::move(tasten)));
}

}  // namespace orbato
