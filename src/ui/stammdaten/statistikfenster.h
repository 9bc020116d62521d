#pragma once

#include <QWidget>

#include "model/elemente/kuerzelart.h"
#include "model/schnittstellen/fenster.h"

class QTableWidget;

namespace orbato {

// The statistics of an element kind: "Lehrerstatistik" and "Klassenstatistik" (for every teacher
// or class the target against the workload of its courses and what remains), "Fachstatistik",
// "Kopplungsstatistik", "Raumstatistik" and "UV-Statistik". One of each per document.
class TStatForm : public QWidget, public Fenster {
  Q_OBJECT

 public:
  ~TStatForm() override;

  void FensterUpdate() override { Fuellen(); }
  void FensterRefresh() override { Fuellen(); }
  // Placed and open lessons follow the plan, once the current command is done.
  void BelegungGeaendert() override;
  void FensterSchliessen() override;
  void FensterNachVorn() override;
  int FensterArt() const override;
  std::string FensterTitel() const override;
  QSize sizeHint() const override;

  QTableWidget* Tabelle() const { return fTabelle; }
  // A double-click on a row: the element's window, with Shift its teaching-load window (a
  // distribution table's matrix).
  void Doppelgeklickt(int zeile, bool shift);
  // The table as tab-separated text, a header line first.
  std::string Text() const;

 protected:
  explicit TStatForm(TKuerzelArt art);

 private:
  void Fuellen();
  TKuerzelArt fArt;
  QTableWidget* fTabelle;
  bool fFuellenVorgemerkt = false;
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

class TFaStatForm : public TStatForm {
  Q_OBJECT
 public:
  TFaStatForm() : TStatForm(fac) {}
};

class TKoStatForm : public TStatForm {
  Q_OBJECT
 public:
  TKoStatForm() : TStatForm(kop) {}
};

class TRaStatForm : public TStatForm {
  Q_OBJECT
 public:
  TRaStatForm() : TStatForm(rau) {}
};

class TUVStatForm : public TStatForm {
  Q_OBJECT
 public:
  TUVStatForm() : TStatForm(uvt) {}
};

// The statistics of teachers (leh), classes (kla), subjects (fac), couplings (kop), rooms (rau) or
// of the distribution tables (uvt): the one open, or a new one.
TStatForm* StatistikOeffnen(TKuerzelArt art);

}  // namespace orbato
