#pragma once

#include <QTableWidget>
#include <functional>

#include "model/schnittstellen/menue.h"

namespace orbato {

class TManuellForm;
class TSchule;
class TStandard;

// One plan of the manual-planning window: days across, periods down, every cell painted from
// what the window's logic says of it. The colour of a cell tells at a glance what the current
// course meets there: green free, yellow lessons that may be displaced, orange a room that
// cannot be had, red a blocking or a fixed lesson. The lesson a cell holds sits on that ground
// in its course colour, the current course's lessons framed. The mouse goes to the logic as the
// palette's tool wants it; a drag may end in another plan of the window.
class TManuellPlan : public QTableWidget {
  Q_OBJECT

 public:
  TManuellPlan(TManuellForm& form, TSchule& schule, const TStandard& standard, int32_t plan,
               QWidget* eltern = nullptr);

  int32_t PlanNr() const { return fPlan; }
  // Labels, sizes and redraws the grid for the current version.
  void Aufbauen();
  // The cell's rectangle in the viewport, for the mouse and for tests.
  QRect ZellRechteck(int32_t tag, int32_t std) const;
  bool ZelleBei(const QPoint& punkt, int32_t& tag, int32_t& std) const;
  // The cell a drag points at, framed while the drag lasts; none (0) otherwise.
  void ZielSetzen(int32_t tag, int32_t std);
  int32_t ZielTag() const { return fZielTag; }
  int32_t ZielStd() const { return fZielStd; }

  QSize sizeHint() const override;

  // The plan and cell under a point of the screen, for a drop; false outside every plan.
  std::function<bool(const QPoint& global, TManuellPlan*& plan, int32_t& tag, int32_t& std)>
      fPlanBei;
  // Frames the drop target `tag`, `std` in plan `ziel` and in no other; none: no target.
  std::function<void(TManuellPlan* ziel, int32_t tag, int32_t std)> fZielZeigen;
  // Shows a menu the logic built at a point of the screen; tests replace it.
  std::function<void(TMenu& menu, const QPoint& global)> fMenuZeigen;

 protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;

 private:
  bool Druck(const QMouseEvent& maus);
  bool Bewegung(const QMouseEvent& maus);
  bool Loslassen(const QMouseEvent& maus);
  bool Hinweis(const QHelpEvent& hilfe);

  TManuellForm& fForm;
  TSchule& fSchule;
  const TStandard& fStandard;
  int32_t fPlan;
  // The press of a click that has not been released yet.
  int32_t fDruckTag = 0;
  int32_t fDruckStd = 0;
  bool fVorschau = false;
  int32_t fZielTag = 0;
  int32_t fZielStd = 0;
};

}  // namespace orbato
