#pragma once

#include <QEvent>
#include <functional>
#include <initializer_list>
#include <optional>

#include "model/dokument/schule.h"

class QMouseEvent;

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

}  // namespace orbato
