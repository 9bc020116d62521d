#include "ui/bausteine/werkzeugmaus.h"

#include <QMouseEvent>

#include "model/dokument/verlauf.h"

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

bool PlanMausVerteilen(TPlanMaus& raster, const QEvent& ereignis, TToolArt werkzeug) {
  if (dynamic_cast<const QMouseEvent*>(&ereignis) == nullptr) return false;
  TVerlaufSchritt schritt;
  return MausVerteilen(
      {
          {TMausAktion::Druck, Qt::RightButton, SetzTool,
           [&raster](const QMouseEvent& maus) { return raster.SetzDruck(maus); }},
          {TMausAktion::Druck, Qt::LeftButton, SchiebTool,
           [&raster](const QMouseEvent& maus) { return raster.SchiebDruck(maus); }},
          {TMausAktion::Zug, kJederKnopf, kJedesWerkzeug,
           [&raster](const QMouseEvent& maus) { return raster.Zug(maus); }},
          {TMausAktion::Loslassen, Qt::LeftButton, kJedesWerkzeug,
           [&raster](const QMouseEvent& maus) { return raster.Loslassen(maus); }},
      },
      ereignis, werkzeug);
}

}  // namespace orbato
