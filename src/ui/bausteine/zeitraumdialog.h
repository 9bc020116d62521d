#pragma once

#include <QDialog>

#include "model/basis/datum.h"

class QLabel;
class QSpinBox;

namespace orbato {

class TStandard;

// Two dates, "von" and "bis", each as day, month and year fields with the weekday's long name
// beside them, above "Ok" and "Abbrechen". A day that the month does not have is corrected to the
// nearest one before it that exists, and the day field shows it.
class TZeitraumDialog : public QDialog {
  Q_OBJECT

 public:
  TZeitraumDialog(const TStandard& standard, const QString& titel, TDatumZeit von, TDatumZeit bis,
                  QWidget* eltern = nullptr);

  // The dates at noon.
  TDatumZeit Von() const;
  TDatumZeit Bis() const;

  // The fields of the first (0) or second (1) date: day, month, year; and the weekday shown.
  QSpinBox* Tag(int datum) const { return fFelder[datum].tag; }
  QSpinBox* Monat(int datum) const { return fFelder[datum].monat; }
  QSpinBox* Jahr(int datum) const { return fFelder[datum].jahr; }
  QLabel* Wochentag(int datum) const { return fFelder[datum].wochentag; }

 private:
  struct TDatumsFelder {
    QSpinBox* tag = nullptr;
    QSpinBox* monat = nullptr;
    QSpinBox* jahr = nullptr;
    QLabel* wochentag = nullptr;
  };
  TDatumsFelder Felder(TDatumZeit datum);
  void Korrigieren(TDatumsFelder& felder);
  TDatumZeit Datum(const TDatumsFelder& felder) const;

  const TStandard& fStandard;
  TDatumsFelder fFelder[2];
};

}  // namespace orbato
