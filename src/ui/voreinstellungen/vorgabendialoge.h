#pragma once

#include "model/einstellungen/standard.h"
#include "ui/voreinstellungen/voreinstellungsdialog.h"

class QCheckBox;
class QDoubleSpinBox;
class QPushButton;

namespace orbato {

class TWochenRaster;

// "Voreinstellung für Grunddaten": the blocking new teachers, classes and rooms start with, and
// the default targets of teachers and classes. "Ok" stores into the settings.
class TGrunddatenDialog : public TVoreinstellungsDialog {
  Q_OBJECT

 public:
  TGrunddatenDialog(TStandard& standard, QWidget* eltern = nullptr);
  TWochenRaster* Raster() const { return fRaster; }
  void accept() override;

 private:
  TStandard& fStandard;
  TWochenRaster* fRaster;
  QDoubleSpinBox* fLeSoll;
  QDoubleSpinBox* fKlSoll;
};

// "Voreinstellung für Kurse": what a new course starts with, its blocking included. "Ok" stores
// into the settings.
class TKursVorgabenDialog : public TVoreinstellungsDialog {
  Q_OBJECT

 public:
  TKursVorgabenDialog(TStandard& standard, QWidget* eltern = nullptr);
  TWochenRaster* Raster() const { return fRaster; }
  void accept() override;

 private:
  void FarbeZeigen();

  TStandard& fStandard;
  TWochenRaster* fRaster;
  QSpinBox* fKursStd;
  QSpinBox* fStdProTag;
  QSpinBox* fEinzelStd;
  QSpinBox* fTabellenNr;
  QSpinBox* fFaktor;
  QCheckBox* fNichtVerplanen;
  QCheckBox* fNichtZaehlenLe;
  QCheckBox* fNichtZaehlenKl;
  QCheckBox* fNachKlSortiert;
  QPushButton* fFarbKnopf;
  int32_t fFarbe;
};

}  // namespace orbato
