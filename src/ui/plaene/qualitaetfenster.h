#pragma once

#include <QWidget>
#include <string>

#include "model/fenster/fenstertyp.h"
#include "model/schnittstellen/fenster.h"

class QAbstractButton;
class QLabel;
class QMdiSubWindow;
class QPushButton;
class QTableWidget;

namespace orbato {

class TOrbatoPalette;
class TSchule;
class TStandard;
struct TQualitaetsTabelle;

// "Planqualität": the quality figures of the current plan version, or one row per teacher or
// class, measured against the day limits of "Optimieren". It follows the plan as it changes.
// One per document.
class TQualitaetForm : public QWidget, public Fenster {
  Q_OBJECT

 public:
  // What the table shows.
  enum TAnsicht { Kennzahlen = 0, Lehrer = 1, Klassen = 2 };

  TQualitaetForm(TSchule& schule, const TStandard& standard);
  ~TQualitaetForm() override;

  void FensterUpdate() override { Fuellen(); }
  void FensterRefresh() override { Fuellen(); }
  // A run of the scheduler tells of every lesson; the figures are counted once after it.
  void BelegungGeaendert() override;
  void FensterSchliessen() override;
  void FensterNachVorn() override;
  int FensterArt() const override { return Nr(TFensterTyp::Planqualitaet); }
  std::string FensterTitel() const override;
  QSize sizeHint() const override;

  QTableWidget* Tabelle() const { return fTabelle; }
  QLabel* Ueberschrift() const { return fUeberschrift; }
  QAbstractButton* Knopf(TAnsicht ansicht) const { return fKnoepfe[ansicht]; }
  QPushButton* AktualisierenKnopf() const { return fAktualisieren; }
  TAnsicht Ansicht() const { return fAnsicht; }
  // The table as it is shown, sorted or not: tab-separated, a header line first.
  std::string Text() const;

 signals:
  void KopierenGewuenscht();

 private:
  void AnsichtWaehlen(TAnsicht ansicht);
  void Fuellen();
  void TabelleFuellen(const TQualitaetsTabelle& tabelle);
  // "Kopieren" at the point of the table that was right-clicked.
  void KontextMenu(const QPoint& wo);

  TSchule& fSchule;
  const TStandard& fStandard;
  TAnsicht fAnsicht = Kennzahlen;
  QLabel* fUeberschrift;
  QAbstractButton* fKnoepfe[3];
  QPushButton* fAktualisieren;
  QTableWidget* fTabelle;
  bool fFuellenVorgemerkt = false;
};

// "Prüfen" / "Planqualität..." and "Pläne" / "Planqualität...": the open window, or a new one,
// in the workspace and active; its "Kopieren" copies as the main menu's does.
QMdiSubWindow* PlanQualitaetZeigen(TOrbatoPalette& palette);

}  // namespace orbato
