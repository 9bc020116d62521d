#pragma once

#include "ui/voreinstellungen/voreinstellungsdialog.h"

class QSpinBox;

namespace orbato {

class TStandard;

// "Voreinstellung für Sicherung": how often a changed document's recovery file is written and how
// many earlier versions "Sichern" keeps beside the plan file. "Ok" stores into the settings.
class TSicherungsDialog : public TVoreinstellungsDialog {
  Q_OBJECT

 public:
  TSicherungsDialog(TStandard& standard, QWidget* eltern = nullptr);
  void accept() override;

 private:
  TStandard& fStandard;
  QSpinBox* fZeit;
  QSpinBox* fKopien;
};

}  // namespace orbato
