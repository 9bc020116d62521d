#pragma once

#include <QDialog>

class QLineEdit;

namespace orbato {

// "Kennworteingabe": asks for the password at start-up; the entry is hidden.
class TKennwortDialog : public QDialog {
  Q_OBJECT

 public:
  explicit TKennwortDialog(QWidget* eltern = nullptr);
  QString Eingabe() const;
  QLineEdit* Feld() const { return fFeld; }

 private:
  QLineEdit* fFeld;
};

}  // namespace orbato
