#pragma once

#include "model/woche/versionen.h"
#include "ui/voreinstellungsdialog.h"

class QButtonGroup;

namespace orbato {

// "Voreinstellung für Eckdaten": days per week, periods shown, plan versions, the time unit, the
// digits of hour values, the days of substitution history and the save reminder. The dialog only
// collects the values; its owner applies them.
class TEckdatenDialog : public TVoreinstellungsDialog {
  Q_OBJECT

 public:
  TEckdatenDialog(const TEckdaten& werte, QWidget* eltern = nullptr);
  TEckdaten Werte() const;

 private:
  QButtonGroup* fTage;
  QSpinBox* fPlnStd;
  QSpinBox* fVersionen;
  QSpinBox* fDivisor;
  QSpinBox* fVorKomma;
  QSpinBox* fNachKomma;
  QSpinBox* fVertrMerke;
  QSpinBox* fSpeicherZeit;
};

}  // namespace orbato
