#include "ui/bausteine/werkzeugmaus.h"

#include <QMouseEvent>

namespace orbato {
namespace {

std::optional<TMausAktion> Aktion(QEvent::Type art) {
  switch (art) {
    case QEvent::MouseButtonPress:
      return TMausAktion::Druck;
    case QEvent::MouseMove:
      return TMausAktion::Zug;
    case QEvent::MouseButtonRelease:
      return TMausAktion::Loslassen;
    case QEvent::MouseButtonDblClick:
      return TMausAktion::Doppelklick;
    default:
      return std::nullopt;
  }
}

bool Passt(const TMausRegel& regel, TMausAktion aktion, Qt::MouseButton knopf, TToolArt werkzeug) {
  return regel.fAktion == aktion && (regel.fKnopf == kJederKnopf || regel.fKnopf == knopf) &&
         (!regel.fWerkzeug || *regel.fWerkzeug == werkzeug);
}

}  // namespace

bool MausVerteilen(std::initializer_list<TMausRegel> regeln, const QEvent& ereignis,
                   TToolArt werkzeug) {
  const auto* maus = dynamic_cast<const QMouseEvent*>(&ereignis);
  const std::optional<TMausAktion> aktion = Aktion(ereignis.type());
  if (maus == nullptr || !aktion) return false;
  for (const TMausRegel& regel : regeln) {
    if (Passt(regel, *aktion, maus->button(), werkzeug) && regel.fHandler(*maus)) return true;
  }
  return false;
}

}  // namespace orbato
