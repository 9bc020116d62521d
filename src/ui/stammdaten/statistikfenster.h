#pragma once

#include <QWidget>

#include "model/elemente/kuerzelart.h"
#include "model/schnittstellen/fenster.h"

class QTableWidget;

namespace orbato {

class TSchule;

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
  TStatForm(TSchule& schule, TKuerzelArt art);

 private:
  void Fuellen();
  TSchule& fSchule;
  TKuerzelArt fArt;
  QTableWidget* fTabelle;
  bool fFuellenVorgemerkt = false;
};

class TLeStatForm : public TStatForm {
  Q_OBJECT
 public:
  explicit TLeStatForm(TSchule& schule) : TStatForm(schule, leh) {}
};

class TKlStatForm : public TStatForm {
  Q_OBJECT
 public:
  explicit TKlStatForm(TSchule& schule) : TStatForm(schule, kla) {}
};

class TFaStatForm : public TStatForm {
  Q_OBJECT
 public:
  explicit TFaStatForm(TSchule& schule) : TStatForm(schule, fac) {}
};

class TKoStatForm : public TStatForm {
  Q_OBJECT
 public:
  explicit TKoStatForm(TSchule& schule) : TStatForm(schule, kop) {}
};

class TRaStatForm : public TStatForm {
  Q_OBJECT
 public:
  explicit TRaStatForm(TSchule& schule) : TStatForm(schule, rau) {}
};

class TUVStatForm : public TStatForm {
  Q_OBJECT
 public:
  explicit TUVStatForm(TSchule& schule) : TStatForm(schule, uvt) {}
};

// The statistics of teachers (leh), classes (kla), subjects (fac), couplings (kop), rooms (rau) or
// of the distribution tables (uvt): the one open, or a new one.
TStatForm* StatistikOeffnen(TSchule& schule, TKuerzelArt art);

}  // namespace orbato
