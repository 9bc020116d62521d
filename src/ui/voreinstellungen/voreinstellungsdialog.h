#pragma once

#include <QDialog>

class QCheckBox;
class QDialogButtonBox;
class QFormLayout;
class QPushButton;
class QSpinBox;

namespace orbato {

// The frame the preference dialogs share: a form of fields above "Ok" and "Abbrechen".
class TVoreinstellungsDialog : public QDialog {
  Q_OBJECT

 public:
  TVoreinstellungsDialog(const QString& titel, QWidget* eltern);

 protected:
  // A whole-number field; `name` lets tests find it.
  QSpinBox* Zahl(const QString& beschriftung, const char* name, int von, int bis, int wert);
  // A check box on a row of its own.
  QCheckBox* Schaltfeld(const QString& text, const char* name, bool wert);
  QFormLayout* Formular() const { return fFormular; }
  QPushButton* Ok() const;
  // The row of "Ok" and "Abbrechen", for a dialog's buttons of its own.
  QDialogButtonBox* Knoepfe() const { return fKnoepfe; }

 private:
  QFormLayout* fFormular;
  QDialogButtonBox* fKnoepfe = nullptr;
};

}  // namespace orbato
