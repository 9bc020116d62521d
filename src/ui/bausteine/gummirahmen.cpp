#include "ui/bausteine/gummirahmen.h"

#include <QAbstractItemView>
#include <QMouseEvent>
#include <QRubberBand>
#include <algorithm>
#include <utility>

namespace orbato {

TGummiRahmen::TGummiRahmen(QAbstractItemView* ansicht, Qt::KeyboardModifiers tasten,
                           TGezogen gezogen)
    : QObject(ansicht->viewport()),
      fAnsicht(ansicht),
      fFlaeche(ansicht->viewport()),
      fTasten(tasten),
      fGezogen(std::move(gezogen)),
      fGummi(new QRubberBand(QRubberBand::Rectangle, ansicht->viewport())) {
  ansicht->viewport()->installEventFilter(this);
}

QPoint TGummiRahmen::Ende(const QPoint& punkt) const {
  if (!fAmRand) return punkt;
  const QRect flaeche = fAnsicht->viewport()->rect();
  return {std::clamp(punkt.x(), 0, flaeche.width() - 1),
          std::clamp(punkt.y(), 0, flaeche.height() - 1)};
}

bool TGummiRahmen::eventFilter(QObject* objekt, QEvent* ereignis) {
  // The viewport is compared by address only: while the view is being destroyed it still sends
  // events here, and the view must not be asked for anything then.
  if (objekt != fFlaeche) return false;
  const auto* maus = dynamic_cast<QMouseEvent*>(ereignis);
  if (maus == nullptr) return false;
  const QPoint punkt = maus->position().toPoint();
  switch (ereignis->type()) {
    case QEvent::MouseButtonPress:
      if (maus->button() != Qt::LeftButton || (maus->modifiers() & fTasten) != fTasten) {
        return false;
      }
      fStart = punkt;
      fGummi->setGeometry(QRect(punkt, QSize()));
      fGummi->show();
      return true;
    case QEvent::MouseMove:
      if (fGummi->isVisible()) fGummi->setGeometry(QRect(fStart, punkt).normalized());
      return fGummi->isVisible();
    case QEvent::MouseButtonRelease: {
      if (!fGummi->isVisible()) return false;
      fGummi->hide();
      const QModelIndex von = fAnsicht->indexAt(fStart);
      const QModelIndex bis = fAnsicht->indexAt(Ende(punkt));
      if (von.isValid() && bis.isValid()) fGezogen(von, bis);
      return true;
    }
    default:
      return false;
  }
}

}  // namespace orbato
