#pragma once

#include "ui/voreinstellungen/voreinstellungsdialog.h"

class QRadioButton;

namespace orbato {

// "Schulwoche": asked once, at the first start of an installation, so that the plans show the
// school's own days and periods instead of the defaults' seven days with the weekend greyed out.
class TSchulwocheDialog : public TVoreinstellungsDialog {
  Q_OBJECT

 public:
  explicit TSchulwocheDialog(QWidget* eltern = nullptr);

  int Tage() const;
  int Stunden() const;

 private:
  QRadioButton* fFuenf;
  QRadioButton* fSechs;
  QSpinBox* fStunden;
};

}  // namespace orbato
