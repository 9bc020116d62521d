#pragma once

#include <QDialog>

#include "model/basis/datum.h"

class QLabel;
class QSpinBox;

namespace orbato {

class TStandard;

// One date as day, month and year fields, the weekday's long name from the settings beside them.
// A day the month does not have becomes the day before it that exists, and the day field shows
// it at once.
class TDatumsDialog : public QDialog {
  Q_OBJECT

 public:
  TDatumsDialog(const TStandard& standard, const QString& titel, TDatumZeit start,
                QWidget* eltern = nullptr);

  // The date the fields show, at noon.
  TDatumZeit Datum() const { return fDatum; }
  QSpinBox* Tag() const { return fTag; }
  QSpinBox* Monat() const { return fMonat; }
  QSpinBox* Jahr() const { return fJahr; }
  QLabel* Wochentag() const { return fWochentag; }

 private:
  void Korrigieren();

  const TStandard& fStandard;
  QSpinBox* fTag;
  QSpinBox* fMonat;
  QSpinBox* fJahr;
  QLabel* fWochentag;
  TDatumZeit fDatum;
};

}  // namespace orbato
