#pragma once

#include <QWidget>

#include "model/elemente/kuerzelart.h"
#include "model/fenster/fenster.h"

class QTableWidget;

namespace orbato {

// "Lehrerstatistik" and "Klassenstatistik": for every teacher or class the target against the
// workload of its courses and what remains. One of each per document.
class TStatForm : public QWidget, public Fenster {
  Q_OBJECT

 public:
  ~TStatForm() override;

  void FensterUpdate() override { Fuellen(); }
  void FensterRefresh() override { Fuellen(); }
  void FensterSchliessen() override;
  void FensterNachVorn() override;
  int FensterArt() const override { return fArt == leh ? 72 : 73; }
  std::string FensterTitel() const override;
  QSize sizeHint() const override;

  QTableWidget* Tabelle() const { return fTabelle; }
  // A double-click on a row: the element's window, with Shift its teaching-load window.
  void Doppelgeklickt(int zeile, bool shift);
  // The table as tab-separated text, a header line first.
  std::string Text() const;

 protected:
  explicit TStatForm(TKuerzelArt art);

 private:
  void Fuellen();
  Fenster*& Verweis() const;

  TKuerzelArt fArt;
  QTableWidget* fTabelle;
};

class TLeStatForm : public TStatForm {
  Q_OBJECT
 public:
  TLeStatForm() : TStatForm(leh) {}
};

class TKlStatForm : public TStatForm {
  Q_OBJECT
 public:
  TKlStatForm() : TStatForm(kla) {}
};

// The statistics of teachers (leh) or classes (kla): the one open, or a new one.
TStatForm* StatistikOeffnen(TKuerzelArt art);

}  // namespace orbato
