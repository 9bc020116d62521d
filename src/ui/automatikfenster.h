#pragma once

#include <QDialog>
#include <memory>
#include <vector>

class QLabel;
class QProgressBar;
class QPushButton;

namespace orbato {

class TAutomatik;
class TKurs;
class TNachbessern;

// The scheduler window "Automatisches Rechnen": the counters "noch zu setzen" and "nicht
// verplanbar", a progress bar and the buttons. "Start" runs the scheduler over the work list,
// "Abbrechen" stops it after the course under way and closes the window, "Nachbessern" tries to
// place the hours left open by moving others, "nicht verplanbare Stunden zeigen" lists the courses
// left with open hours in "alle Kurse" with the reason for each.
class TAutomatForm : public QDialog {
  Q_OBJECT

 public:
  // Builds the work list from the chosen courses.
  explicit TAutomatForm(const std::vector<TKurs*>& auswahl, QWidget* eltern = nullptr);
  ~TAutomatForm() override;

  const TAutomatik& Automatik() const { return *fAutomatik; }
  QLabel* RestFeld() const { return fRestFeld; }
  QLabel* NvpFeld() const { return fNvpFeld; }
  QProgressBar* Balken() const { return fBalken; }

  // Escape and closing the window act as "Abbrechen" while it is enabled.
  void reject() override;

 private:
  void StartKnopfClick();
  void AbbrechenKnopfClick();
  void NachbessernKnopfClick();
  void RestZeigenKnopfClick();
  // Counters and bar as the run stands; the window repaints and takes pending input.
  void Zwischendurch();
  void ZaehlerZeigen();
  // The buttons once a run or a repair pass is over.
  void Fertig();
  // Marks the document changed and redraws its windows.
  void PlanGeaendert();

  std::unique_ptr<TAutomatik> fAutomatik;
  TNachbessern* fNachbessern = nullptr;  // while a repair pass runs
  bool fAbbruch = false;
  QLabel* fRestFeld;
  QLabel* fNvpFeld;
  QProgressBar* fBalken;
  QPushButton* fStart;
  QPushButton* fAbbrechen;
  QPushButton* fOk;
  QPushButton* fNachbessernKnopf;
  QPushButton* fRestZeigen;
};

}  // namespace orbato
