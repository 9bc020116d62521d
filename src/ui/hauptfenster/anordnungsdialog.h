#pragma once

#include "ui/voreinstellungen/voreinstellungsdialog.h"

class QButtonGroup;

namespace orbato {

// "Anordnung": how the document windows are laid out in the workspace: 1 overlapping, 2 side by
// side (the setting fFensterOrd).
class TAnordnungsDialog : public TVoreinstellungsDialog {
  Q_OBJECT

 public:
  TAnordnungsDialog(int anordnung, QWidget* eltern = nullptr);
  int Anordnung() const;

 private:
  QButtonGroup* fArten;
};

}  // namespace orbato
