#pragma once

#include <QEvent>
#include <QMouseEvent>
#include <functional>
#include <initializer_list>
#include <optional>

#include "model/dokument/schule.h"

namespace orbato {

// The mouse on a window's grid: which of the window's handlers a press, a drag, a release or a
// double click goes to, by the button and the tool in hand. A window lists its rules; the first
// rule that fits and whose handler takes the event ends the search.
enum class TMausAktion { Druck, Zug, Loslassen, Doppelklick };

inline constexpr Qt::MouseButton kJederKnopf = Qt::NoButton;
inline constexpr std::nullopt_t kJedesWerkzeug = std::nullopt;

struct TMausRegel {
  TMausAktion fAktion;
  Qt::MouseButton fKnopf;                            // or kJederKnopf
  std::optional<TToolArt> fWerkzeug;                 // or kJedesWerkzeug
  std::function<bool(const QMouseEvent&)> fHandler;  // whether it took the event
};

// Whether a rule's handler took the event; an event that is not the mouse's is never taken.
bool MausVerteilen(std::initializer_list<TMausRegel> regeln, const QEvent& ereignis,
                   TToolArt werkzeug);

// A grid that holds lessons, the plan and overview windows, as the mouse reaches it. Each handler
// answers whether it took the event.
class TPlanMaus {
 public:
  // The set tool's right press: the right-click menu (of the column, where the grid has several).
  virtual bool SetzDruck(const QMouseEvent& maus) = 0;
  // The move tool's left press picks up the lesson under it; with Ctrl it previews the cells where
  // the lesson could go.
  virtual bool SchiebDruck(const QMouseEvent& maus) = 0;
  // A drag with any tool follows the target; the left release drops.
  virtual bool Zug(const QMouseEvent& maus) = 0;
  virtual bool Loslassen(const QMouseEvent& maus) = 0;

 protected:
  ~TPlanMaus() = default;
};

// The rules of those grids: the set tool's right press goes to SetzDruck, the move tool's left
// press to SchiebDruck, a drag with any button to Zug and the left release to Loslassen, whatever
// the tool. Each mouse event is one step of the document's history, whatever it does to the plan.
bool PlanMausVerteilen(TPlanMaus& raster, const QEvent& ereignis, TToolArt werkzeug);

}  // namespace orbato
