#pragma once

#include <QFont>

#include "model/fenster/spaltenbreiten.h"

namespace orbato {

// Measures texts with the font metrics of the screen.
class TQtTextMass : public TTextMass {
 public:
  void Schrift(const TSchrift& schrift) override;
  void Fett(bool fett) override;
  int Breite(std::string_view text) const override;

 private:
  QFont fSchrift;
};

}  // namespace orbato
