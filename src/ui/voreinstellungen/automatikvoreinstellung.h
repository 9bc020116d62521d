#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "model/einstellungen/standard.h"
#include "model/schnittstellen/menue.h"
#include "scheduler/bewertungstabelle.h"

class QPushButton;
class QSpinBox;

namespace orbato {

class TBewertungsRaster;

// "Voreinstellung für die Automatik": the four rating tables of the scheduler, one shown at a
// time by "Tabelle Nr.:". It changes a copy; "Ok" stores all four into the settings, "Abbrechen"
// none. "Wechseln" offers standard tables for the one shown; choosing one takes it and confirms
// the dialog.
class TAuTabForm : public QDialog {
  Q_OBJECT

 public:
  explicit TAuTabForm(TStandard& standard, QWidget* eltern = nullptr);

  TBewertungsRaster* Raster() const { return fRaster; }
  QSpinBox* TabellenNr() const { return fNr; }
  // The copy being edited, table 1..4.
  const TBewertungsTabelle& Tabelle(int nr) const {
    return fTabellen[static_cast<std::size_t>(nr - 1)];
  }
  void accept() override;

  // Shows the menu of "Wechseln"; tests replace it to choose an entry themselves.
  std::function<void(TMenu&)> fMenuZeigen;

 private:
  void TabelleZeigen();
  void Wechseln();

  TStandard& fStandard;
  std::array<TBewertungsTabelle, kAutoTabellen> fTabellen;
  TBewertungsRaster* fRaster;
  QSpinBox* fNr;
  QPushButton* fWechseln;
};

}  // namespace orbato
