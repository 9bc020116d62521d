#pragma once

#include <QDialog>

#include "model/fenster/grunddaten.h"

class QCheckBox;
class QComboBox;
class QRadioButton;

namespace orbato {

class TKlasse;
class TSchule;

// "Kurse übernehmen": from which class the courses of `ziel` are taken over, what becomes of the
// coupled ones, and whether the class room is put in.
class TKursUebernahmeDialog : public QDialog {
  Q_OBJECT

 public:
  TKursUebernahmeDialog(const TSchule& schule, TKlasse* ziel, QWidget* eltern);

  TKlasse* Quelle() const;
  TUebernahme Art() const;
  bool Klassenraum() const;

  QComboBox* fQuelle;
  QRadioButton* fOhneKopplungen;
  QRadioButton* fKlasseErgaenzen;
  QRadioButton* fEigeneKurse;
  QCheckBox* fKlassenraum;
};

}  // namespace orbato
