#pragma once

#include <string>

#include "model/woche/versionen.h"
#include "ui/voreinstellungen/voreinstellungsdialog.h"

class QButtonGroup;
class QLineEdit;

namespace orbato {

// "Voreinstellung für Eckdaten": days per week, periods shown, plan versions, the time unit, the
// digits of hour values, the days of substitution history and the save reminder, and the school's
// name that heads the published pages. The dialog only collects the values; its owner applies
// them.
class TEckdatenDialog : public TVoreinstellungsDialog {
  Q_OBJECT

 public:
  TEckdatenDialog(const TEckdaten& werte, QWidget* eltern = nullptr);
  TEckdaten Werte() const;
  // The school name, Windows-1252 as the settings keep it.
  void SetSchulname(const std::string& schulname);
  std::string Schulname() const;

 private:
  QButtonGroup* fTage;
  QSpinBox* fPlnStd;
  QSpinBox* fVersionen;
  QSpinBox* fDivisor;
  QSpinBox* fVorKomma;
  QSpinBox* fNachKomma;
  QSpinBox* fVertrMerke;
  QSpinBox* fSpeicherZeit;
  QLineEdit* fSchulname;
};

}  // namespace orbato
