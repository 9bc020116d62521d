#pragma once

#include <QPushButton>
#include <functional>

#include "model/einstellungen/standard.h"

namespace orbato {

// A button that shows a font of the settings ("Arial, 8 pt") and chooses another with the font
// dialog on a click.
class TSchriftFeld : public QPushButton {
  Q_OBJECT

 public:
  TSchriftFeld(const TSchrift& schrift, QWidget* eltern);
  const TSchrift& Schrift() const { return fSchrift; }
  void SetSchrift(const TSchrift& schrift);
  // Replaces the font dialog, for tests: answers whether a font was chosen into the argument.
  std::function<bool(QFont& schrift)> fSchriftWaehlen;

 private:
  void Waehlen();
  TSchrift fSchrift;
};

}  // namespace orbato
