#pragma once

#include "model/einstellungen/standard.h"
#include "ui/voreinstellungen/voreinstellungsdialog.h"

class QCheckBox;
class QSpinBox;

namespace orbato {

class Dialoge;

// "Automatisches Rechnen" before a run: how many hours between two re-ratings, which share of the
// hours to place, and what may give way when nothing else fits. Filled from the settings; "Ok"
// stores every field, "Abbrechen" nothing. "Gewichte..." opens the weights of "Optimieren".
class TAutoStartForm : public TVoreinstellungsDialog {
  Q_OBJECT

 public:
  TAutoStartForm(Dialoge& dialoge, TStandard& standard, QWidget* eltern = nullptr);
  void accept() override;

 private:
  Dialoge& fDialoge;
  TStandard& fStandard;
  QSpinBox* fStd;
  QSpinBox* fProzent;
  QCheckBox* fEinzelUnwichtig;
  QCheckBox* fRaumUnwichtig;
  QCheckBox* fFreiUnwichtig;
};

}  // namespace orbato
