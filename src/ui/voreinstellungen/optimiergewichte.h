#pragma once

#include <vector>

#include "model/einstellungen/standard.h"
#include "ui/voreinstellungen/voreinstellungsdialog.h"

class QSpinBox;

namespace orbato {

class Dialoge;

// "Optimieren - Gewichte": the points "Optimieren" counts for each thing teachers and classes
// live with, the limits of a day and the longest run. Filled from the settings; "Ok" stores every
// field, "Abbrechen" nothing, "Standard" puts the defaults into the fields. A day whose least
// hours exceed its most is refused with a message, and the dialog stays open.
class TOptGewichteForm : public TVoreinstellungsDialog {
  Q_OBJECT

 public:
  TOptGewichteForm(Dialoge& dialoge, TStandard& standard, QWidget* eltern = nullptr);
  void accept() override;

 private:
  struct TFeld {
    QSpinBox* feld;
    int32_t TOptimierEinstellungen::*wert;
  };
  // One field of a weight; its row shows `beschriftung`.
  void Gewicht(const char* beschriftung, const char* name, int32_t TOptimierEinstellungen::*wert,
               int von, int bis);
  // The least and most hours of a day on one row.
  void Grenzen(const char* beschriftung, const char* name, int32_t TOptimierEinstellungen::*min,
               int32_t TOptimierEinstellungen::*max);
  QSpinBox* Feld(const char* name, int32_t TOptimierEinstellungen::*wert, int von, int bis);
  void Fuellen(const TOptimierEinstellungen& werte);
  // False, after saying why, when the least hours of a day exceed the most.
  bool GrenzenPassen(const char* wessen, QSpinBox* min, QSpinBox* max);

  Dialoge& fDialoge;
  TStandard& fStandard;
  std::vector<TFeld> fFelder;
};

}  // namespace orbato
