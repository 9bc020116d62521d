#include "platform/qttextmass.h"

#include <QFontMetrics>

#include "platform/qttext.h"

namespace orbato {

void TQtTextMass::Schrift(const TSchrift& schrift) {
  fSchrift = QtSchrift(schrift);
}

void TQtTextMass::Fett(bool fett) {
  fSchrift.setBold(fett);
}

int TQtTextMass::Breite(std::string_view text) const {
  return QFontMetrics(fSchrift).horizontalAdvance(QtText(text));
}

}  // namespace orbato
