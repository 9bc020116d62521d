#pragma once

#include <QDialog>
#include <functional>

#include "model/schnittstellen/menue.h"
#include "substitution/kalenderform.h"

class QLabel;
class QTableWidget;
class QToolButton;

namespace orbato {

// The calendar window, the view of TKalenderForm: titled with the month shown, one grid of the
// six weeks touching it. A click on a week's "Planversion" cell offers the versions; dragging
// with Alt over day cells marks holidays. "Ok" stores the calendar and the holidays.
class TKalenderDialog : public QDialog {
  Q_OBJECT

 public:
  TKalenderDialog(TSchule& schule, TStandard& standard, QWidget* eltern = nullptr);

  const TKalenderForm& Form() const { return fForm; }
  QTableWidget* Raster() const { return fRaster; }
  QToolButton* ZurueckKnopf() const { return fZurueck; }
  QToolButton* VorKnopf() const { return fVor; }
  void accept() override;

  // Shows the version menu of a week; tests replace it to choose entries themselves.
  std::function<void(TMenu&)> fMenuZeigen;

 private:
  void Fuellen();
  void Blaettern(bool vor);
  void Geklickt(int zeile, int spalte);

  TKalenderForm fForm;
  QLabel* fMonat;
  QToolButton* fZurueck;
  QToolButton* fVor;
  QTableWidget* fRaster;
};

}  // namespace orbato
