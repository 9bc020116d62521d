#pragma once

#include <QDialog>

#include "substitution/fehlzeiten.h"

class QSpinBox;

namespace orbato {

// "längere Fehlzeit": the view of TLangeFehlzeit. The heading names the element ("MÜ fehlt bis"),
// the fields "Tag", "Monat", "Jahr" start at the window's date; "Ok" enters the row on every
// school day after it up to the date entered.
class TFehlzeitDialog : public QDialog {
  Q_OBJECT

 public:
  TFehlzeitDialog(const TFehlForm& form, const TFehlZeile& zeile, QWidget* eltern = nullptr);

  QSpinBox* TagFeld() const { return fTag; }
  QSpinBox* MonatFeld() const { return fMonat; }
  QSpinBox* JahrFeld() const { return fJahr; }
  // The school days the last "Ok" entered.
  int32_t Eingetragen() const { return fEingetragen; }

  void accept() override;

 private:
  TLangeFehlzeit fLang;
  QSpinBox* fTag;
  QSpinBox* fMonat;
  QSpinBox* fJahr;
  int32_t fEingetragen = 0;
};

}  // namespace orbato
