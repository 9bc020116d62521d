#pragma once

#include "ui/voreinstellungen/voreinstellungsdialog.h"

class QLineEdit;
class QPushButton;

namespace orbato {

class TStandard;

// "Voreinstellung für Kennwort": a new password, typed twice; "Ok" only while both agree. An empty
// entry removes the password. "Ok" stores it in scrambled form.
class TKennwortAendernDialog : public TVoreinstellungsDialog {
  Q_OBJECT

 public:
  TKennwortAendernDialog(TStandard& standard, QWidget* eltern = nullptr);
  QLineEdit* Feld() const { return fNeu; }
  QLineEdit* Wiederholung() const { return fWiederholung; }
  void accept() override;

 private:
  TStandard& fStandard;
  QLineEdit* fNeu;
  QLineEdit* fWiederholung;
};

}  // namespace orbato
