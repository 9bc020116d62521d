#pragma once

#include <QDialog>
#include <functional>

#include "model/schnittstellen/menue.h"
#include "model/woche/wochbereich.h"
#include "placement/planloeschen.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace orbato {

class TSchule;
class TSperrRaster;
class TStandard;

// "Pläne löschen", modal: the kind and range of plans, the two options and the grid of the cells
// whose hours go. The deletion in the core decides; this window shows its state and forwards the
// controls, the rubber band over the grid and "Ok".
class TPlLoeschForm : public QDialog {
  Q_OBJECT

 public:
  TPlLoeschForm(TSchule& schule, const TStandard& standard, QWidget* eltern = nullptr);

  TPlanLoeschung& Loeschung() { return fLoeschung; }
  TSperrRaster* Raster() const { return fRaster; }
  QRadioButton* ArtKnopf(TPlLoeschArt art) const;
  QPushButton* VonKnopf() const { return fVon; }
  QPushButton* BisKnopf() const { return fBis; }
  QString VonText() const;
  QString BisText() const;
  QCheckBox* MitKopplungen() const { return fMitKopplungen; }
  QCheckBox* OhneFixierte() const { return fOhneFixierte; }

  // "Ok": the hours go under the wait cursor, then the window closes.
  void accept() override;

  // How the element menu of "von" and "bis" is shown under its button: a pop-up menu, or what a
  // test puts in its place.
  std::function<void(TMenu&, QWidget* knopf)> fMenuZeigen;

 private:
  QWidget* ArtGruppe();
  void BereichZeigen();
  void RasterZeigen();

  TPlanLoeschung fLoeschung;
  const TWochBereich fKeineBesetzung;
  QButtonGroup* fArten;
  QPushButton* fVon;
  QPushButton* fBis;
  QLabel* fVonText;
  QLabel* fBisText;
  QCheckBox* fMitKopplungen;
  QCheckBox* fOhneFixierte;
  TSperrRaster* fRaster;
};

}  // namespace orbato
