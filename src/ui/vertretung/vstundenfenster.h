#pragma once

#include <QWidget>

#include "model/fenster/fenstertyp.h"
#include "model/schnittstellen/fenster.h"
#include "substitution/vstunden.h"

class QPushButton;
class QTabWidget;
class QTableWidget;
class QToolButton;

namespace orbato {

class TSchule;

// "Vertretene Stunden": the teachers' substitution balances, counter 1 on the page "Tabelle 1"
// and counter 2 on "Tabelle 2"; the arrows change the selected teacher's counter of the page
// shown by one hour, "Rücksetzen" asks whose counter goes back to 0. One per document.
class TVStdForm : public QWidget, public Fenster {
  Q_OBJECT

 public:
  explicit TVStdForm(TSchule& schule, QWidget* eltern = nullptr);
  ~TVStdForm() override;

  void FensterUpdate() override { Fuellen(); }
  void FensterRefresh() override { Fuellen(); }
  void FensterSchliessen() override;
  void FensterNachVorn() override;
  int FensterArt() const override { return Nr(TFensterTyp::VertreteneStunden); }
  std::string FensterTitel() const override;
  QSize sizeHint() const override;

  TVStunden& Stunden() { return fStunden; }
  QTabWidget* Seiten() const { return fSeiten; }
  // The table of counter 1 or 2.
  QTableWidget* Tabelle(int nr) const { return fTabellen[nr == 2 ? 1 : 0]; }
  QToolButton* Hoch() const { return fHoch; }
  QToolButton* Runter() const { return fRunter; }
  QPushButton* Ruecksetzen() const { return fRuecksetzen; }

 private:
  QTableWidget* NeueTabelle();
  void Fuellen();
  void ZeileGewaehlt(int zeile);

  TSchule& fSchule;
  TVStunden fStunden;
  QTabWidget* fSeiten;
  QTableWidget* fTabellen[2];
  QToolButton* fHoch;
  QToolButton* fRunter;
  QPushButton* fRuecksetzen;
};

}  // namespace orbato
