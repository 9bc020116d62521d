#pragma once

#include <QDialog>
#include <QElapsedTimer>

#include "scheduler/komprimieren.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace orbato {

class TSchule;
class TStandard;

// "Komprimieren": the compression window, modal. The compression in the core decides; this window
// shows its class, version, gap count and the class's plan, hands it the buttons and check boxes,
// and lets the user in while the run goes on.
class TKompForm : public QDialog {
  Q_OBJECT

 public:
  TKompForm(TSchule& schule, const TStandard& standard, QWidget* eltern = nullptr);

  TKomprimierung& Kompression() { return fKomp; }
  QTableWidget* Klassenplan() const { return fPlan; }
  QString KlassenText() const;
  QString VersionsText() const;
  QString HohlText() const;
  QPushButton* Knopf(const QString& text) const;
  QCheckBox* Bruecken() const { return fBruecken; }
  QCheckBox* Mehrfach() const { return fMehrfach; }

  // Esc and the close box act as "Abbrechen": while the run goes on it stops the run, which then
  // closes the window.
  void reject() override;

 private:
  void Zeigen();
  void PlanFuellen();
  void Start();
  // Pending input, at most every few hundredths of a second: often enough for the buttons,
  // rarely enough not to slow the search.
  void Eingaben();

  TSchule& fSchule;
  const TStandard& fStandard;
  TKomprimierung fKomp;
  QTableWidget* fPlan;
  QLabel* fKlasse;
  QLabel* fVersion;
  QLabel* fHohl;
  QPushButton* fStart;
  QPushButton* fNaechste;
  QPushButton* fAbbrechen;
  QCheckBox* fBruecken;
  QCheckBox* fMehrfach;
  QElapsedTimer fSeitEingaben;
};

}  // namespace orbato
