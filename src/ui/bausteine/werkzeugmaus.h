#pragma once

#include <QEvent>
#include <QMouseEvent>
#include <functional>
#include <initializer_list>
#include <optional>

#include "model/dokument/schule.h"
#include "model/dokument/verlauf.h"

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

// The rules of the grids that hold lessons, the plan and overview windows: the set tool's right
// press goes to the window's SetzDruck, the move tool's left press to SchiebDruck, a drag with any
// button to Zug and the left release to Loslassen, whatever the tool. Each mouse event is one step
// of the document's history, whatever it does to the plan.
template <class TFenster>
bool PlanMausVerteilen(TFenster& fenster, const QEvent& ereignis, TToolArt werkzeug) {
  if (dynamic_cast<const QMouseEvent*>(&ereignis) == nullptr) return false;
  TVerlaufSchritt schritt;
  return MausVerteilen(
      {
          {TMausAktion::Druck, Qt::RightButton, SetzTool,
           [&fenster](const QMouseEvent& maus) { return fenster.SetzDruck(maus); }},
          {TMausAktion::Druck, Qt::LeftButton, SchiebTool,
           [&fenster](const QMouseEvent& maus) { return fenster.SchiebDruck(maus); }},
          {TMausAktion::Zug, kJederKnopf, kJedesWerkzeug,
           [&fenster](const QMouseEvent& maus) { return fenster.Zug(maus); }},
          {TMausAktion::Loslassen, Qt::LeftButton, kJedesWerkzeug,
           [&fenster](const QMouseEvent& maus) { return fenster.Loslassen(maus); }},
      },
      ereignis, werkzeug);
}

}  // namespace orbato
