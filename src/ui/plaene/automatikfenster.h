#pragma once

#include <QDialog>
#include <memory>
#include <vector>

#include "ui/plaene/optimieranzeige.h"

class QCloseEvent;
class QLabel;
class QProgressBar;
class QPushButton;

namespace orbato {

class TAutomatik;
class TKurs;
class TNachbessern;
class TOptimierung;
class TSchule;
class TStandard;

// The scheduler window "Automatisches Rechnen": the counters "noch zu setzen" and "nicht
// verplanbar", a progress bar and the buttons. "Start" runs the scheduler over the work list,
// "Abbrechen" stops it after the course under way and closes the window, "Nachbessern" tries to
// place the hours left open by moving others, "Optimieren" moves the run's lessons to fewer gaps
// (one step of the history), "nicht verplanbare Stunden zeigen" lists the courses left with open
// hours in "alle Kurse" with the reason for each.
class TAutomatForm : public QDialog {
  Q_OBJECT

 public:
  // Builds the work list from the chosen courses.
  TAutomatForm(TSchule& schule, TStandard& standard, const std::vector<TKurs*>& auswahl,
               QWidget* eltern = nullptr);
  ~TAutomatForm() override;

  const TAutomatik& Automatik() const { return *fAutomatik; }
  QLabel* RestFeld() const { return fRestFeld; }
  QLabel* NvpFeld() const { return fNvpFeld; }
  QProgressBar* Balken() const { return fBalken; }
  // The figures while "Optimieren" runs, the summary after it.
  QLabel* OptimierFeld() const { return fOptimierFeld; }
  // How "Optimieren" searches; tests put a run of their own in its place.
  TOptimierLauf fOptimierLauf = OptimierungRechnen;

  // Escape and closing the window act as "Abbrechen" while it is enabled; closing while
  // "Optimieren" runs closes the window as well once the run has stopped (closeEvent).
  void reject() override;

 protected:
  // Closing the window while "Optimieren" runs stops the run; the window closes once the best
  // plan found is written back.
  void closeEvent(QCloseEvent* ereignis) override;

 private:
  void StartKnopfClick();
  void AbbrechenKnopfClick();
  void NachbessernKnopfClick();
  void OptimierenKnopfClick();
  // The buttons, the bar and the figures' field as a run of "Optimieren" starts.
  void OptimierenZeigen();
  void RestZeigenKnopfClick();
  // Counters and bar as the run stands; the window repaints and takes pending input.
  void Zwischendurch();
  void ZaehlerZeigen();
  // The buttons once a run or a repair pass is over.
  void Fertig();
  // Marks the document changed and redraws its windows.
  void PlanGeaendert();

  TSchule& fSchule;
  TStandard& fStandard;
  std::unique_ptr<TAutomatik> fAutomatik;
  TNachbessern* fNachbessern = nullptr;  // while a repair pass runs
  TOptimierung* fOptimierung = nullptr;  // while "Optimieren" runs
  bool fSchliessenDanach = false;        // the window was closed during "Optimieren"
  bool fAbbruch = false;
  QLabel* fRestFeld;
  QLabel* fNvpFeld;
  QProgressBar* fBalken;
  QPushButton* fStart;
  QPushButton* fAbbrechen;
  QPushButton* fOk;
  QPushButton* fNachbessernKnopf;
  QPushButton* fOptimierenKnopf;
  QLabel* fOptimierFeld;
  QPushButton* fRestZeigen;
};

}  // namespace orbato
