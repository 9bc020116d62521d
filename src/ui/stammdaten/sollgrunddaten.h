#pragma once

#include "ui/stammdaten/grunddatenfenster.h"

class QLabel;
class QToolButton;

namespace orbato {

class TSollElement;

// What the master-data windows of teachers and classes share: the target with its up and down
// buttons, the lessons and workload they have, the own room and the blocking grid.
class TSollGrForm : public TGrForm {
  Q_OBJECT

 public:
  // One time unit up (+1) or down (-1) on the target of the current selection.
  void SollSchritt(int richtung);
  // The "Raum" button's menu: "ohne", then every room.
  TMenu RaumMenu();

  QLabel* fSoll;
  QToolButton* fSollAuf;
  QToolButton* fSollAb;
  QLabel* fIstStunden;
  QLabel* fIst;
  QPushButton* fRaum;

 protected:
  TSollGrForm(TSchule& schule, TStandard& standard, TSollElement* element, TFensterTyp typ);
  void Anzeigen() override;
  // The rows "Soll", "Ist" and "Raum", and the blocking grid.
  void SollZeilenAnlegen();

 private:
  TSollElement* fSollElement;
};

}  // namespace orbato
