#pragma once

#include "ui/voreinstellungen/voreinstellungsdialog.h"

class QCheckBox;
class QComboBox;
class QDateEdit;

namespace orbato {

class TSchule;
class TStandard;
class TSchriftFeld;

// The two commands of "Voreinstellungen": after "Ok" the column widths follow the new font and
// every open window of the document (none without one) is drawn anew.
void PlanVorgabenAendern(QWidget* eltern, TStandard& standard, TSchule* schule);
void DeputatVorgabenAendern(QWidget* eltern, TStandard& standard, TSchule* schule);

// "Voreinstellung für Pläne": how the plan windows and the window "Manuell" show their cells.
// "Ok" stores into the settings; the caller recomputes the columns and redraws the windows.
class TPlanVorgabenDialog : public TVoreinstellungsDialog {
  Q_OBJECT

 public:
  TPlanVorgabenDialog(TStandard& standard, QWidget* eltern = nullptr);
  TSchriftFeld* SchriftFeld() const { return fSchrift; }
  void accept() override;

 private:
  TStandard& fStandard;
  TSchriftFeld* fSchrift;
  QCheckBox *fNeben, *fMitRaum, *fKoppFett, *fManZeigKopp;
  QComboBox* fManArt;
};

// "Voreinstellung für Deputate": the font and columns of the teaching-load windows and the period
// their statistics column counts.
class TDeputatVorgabenDialog : public TVoreinstellungsDialog {
  Q_OBJECT

 public:
  TDeputatVorgabenDialog(TStandard& standard, QWidget* eltern = nullptr);
  TSchriftFeld* SchriftFeld() const { return fSchrift; }
  void accept() override;

 private:
  TStandard& fStandard;
  TSchriftFeld* fSchrift;
  QCheckBox *fNullStd, *fKursInfo, *fZusatzInfo, *fStatistik;
  QDateEdit *fVon, *fBis;
};

}  // namespace orbato
