#pragma once

#include "model/einstellungen/standard.h"
#include "ui/voreinstellungen/voreinstellungsdialog.h"

class QCheckBox;
class QSpinBox;

namespace orbato {

class TParListe;

// "Parallele Kopplungen" before the window opens: the size of the grid, whether the stored grid
// is taken over, whether the cells show the subjects. Taking over the stored grid starts with its
// size; otherwise with the size of the settings. "Ok" stores all four values in the settings.
class TParStartForm : public TVoreinstellungsDialog {
  Q_OBJECT

 public:
  TParStartForm(TStandard& standard, const TParListe& gespeichert, QWidget* eltern = nullptr);
  void accept() override;

  QSpinBox* fZeilen;
  QSpinBox* fSpalten;
  QCheckBox* fUeber;
  QCheckBox* fMitFach;

 private:
  void GroesseSetzen();

  TStandard& fStandard;
  const TParListe& fGespeichert;
};

}  // namespace orbato
