#pragma once

#include <QDialog>

#include "model/einstellungen/stundenzeitenwahl.h"

class QLineEdit;

namespace orbato {

// "Stundenzeiten": beside "Zeiten", when each period begins and ends, periods 1 to 8 on the left
// and 9 to 16 on the right, each with a "Beginn" and an "Ende" field ("HH:MM"). A time that cannot
// be read goes back to the one before; "Vorgabe" gives the bell times of a new installation; "Ok"
// stores them in the settings unless a period does not end after it begins, which it names.
class TStundenzeitenDialog : public QDialog {
  Q_OBJECT

 public:
  TStundenzeitenDialog(TStandard& standard, QWidget* eltern = nullptr);

  const TStundenZeitenWahl& Wahl() const { return fWahl; }
  // The fields of period std (1..16), named "beginn<std>" and "ende<std>".
  QLineEdit* Beginn(int std) const { return fBeginn[std - 1]; }
  QLineEdit* Ende(int std) const { return fEnde[std - 1]; }
  void accept() override;

 private:
  void Fuellen();
  void Geaendert(int std, bool beginn);

  TStandard& fStandard;
  TStundenZeitenWahl fWahl;
  QLineEdit* fBeginn[16];
  QLineEdit* fEnde[16];
};

}  // namespace orbato
