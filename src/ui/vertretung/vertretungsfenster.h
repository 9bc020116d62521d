#pragma once

#include <QColor>
#include <QWidget>
#include <functional>
#include <vector>

#include "model/elemente/kuerzelart.h"
#include "model/fenster/fenstertyp.h"
#include "model/schnittstellen/fenster.h"
#include "model/schnittstellen/menue.h"
#include "substitution/vertretungsform.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace orbato {

class TPlanElement;
class TSchule;
class TStandard;
class TVertretung;

// "Vertretungen": the substitution records of one date, the view of TVertretungsForm. One per
// document; while it is open the document redraws it, as its open window of the kind, after every
// change of a record. A double click leads to the proposal window, the absence buttons to the
// absence windows: both are reached through the two calls the main window installs.
class TVertrForm : public QWidget, public Fenster {
  Q_OBJECT

 public:
  TVertrForm(TSchule& schule, TStandard& standard, TDatumZeit datum, QWidget* eltern = nullptr);
  ~TVertrForm() override;

  // Shows another date; true when the current plan version changed with it.
  bool SetDatum(TDatumZeit datum);
  // Whether opening changed the current plan version.
  bool VersionGewechselt() const { return fVersionGewechselt; }

  void FensterUpdate() override;
  void FensterRefresh() override { FensterUpdate(); }
  void FensterSchliessen() override;
  void FensterNachVorn() override;
  int FensterArt() const override { return Nr(TFensterTyp::Vertretungen); }
  std::string FensterTitel() const override { return FensterTypTitel(TFensterTyp::Vertretungen); }
  QSize sizeHint() const override;

  TVertretungsForm& Form() { return fForm; }
  TDatumZeit Datum() const { return fForm.Datum(); }
  QTableWidget* Tabelle() const { return fTabelle; }
  QLabel* DatumFeld() const { return fDatumFeld; }
  QComboBox* Sortierung() const { return fSortierung; }
  QCheckBox* Inaktive() const { return fInaktive; }
  QPushButton* Knopf(const QString& text) const;

  // A double click on a row, as the grid and Enter deliver it.
  void Doppelgeklickt(int zeile);
  // A click into a cell: the menu of "Klasse", "Koppl." or "Bem".
  void Geklickt(int zeile, int spalte);
  // An absence button; with Ctrl the elements absent that day to choose from.
  void FehlendeGeklickt(TKuerzelArt art, bool strg);
  // Delete: "Vertretung löschen" for the current row.
  void LoeschenGefragt();
  // The rows selected, in order.
  std::vector<int> AusgewaehlteZeilen() const;

  // The absence window of the kind for the date, on the element (none: the window as it opens).
  std::function<void(TKuerzelArt art, TDatumZeit datum, TPlanElement* element)> fFehlendeOeffnen;
  // The proposal window with the record.
  std::function<void(TVertretung*)> fWahlOeffnen;
  // Shows a menu of the core and runs the entry chosen; tests put their own in its place.
  std::function<void(TMenu&)> fMenuZeigen;

 protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;

 private:
  void Fuellen();
  void ZeileFuellen(int z, const TVertrZeile& zeile);
  QPushButton* NeuerKnopf(const QString& text, const std::function<void()>& befehl);

  TSchule& fSchule;
  TStandard& fStandard;
  TVertretungsForm fForm;
  // The records of the rows as they were drawn, to keep the selection on them.
  std::vector<const TVertretung*> fAngezeigt;
  bool fVersionGewechselt = false;
  QLabel* fDatumFeld;
  QComboBox* fSortierung;
  QCheckBox* fInaktive;
  QTableWidget* fTabelle;
};

// The colour and circle of the marks, as the grid paints them.
QColor VertretungsFarbe(TVertrFarbe farbe);
QColor KreisFarbe(TVertrKreis kreis);

}  // namespace orbato
