#pragma once

#include <QWidget>
#include <functional>
#include <string>

#include "model/fenster/fenstertyp.h"
#include "model/schnittstellen/fenster.h"
#include "model/schnittstellen/menue.h"
#include "placement/parraster.h"

class QPushButton;
class QTableWidget;

namespace orbato {

class TSchule;
class TStandard;

// "Parallele Kopplungen": the grid of couplings meant to run in the same period, column 0 the
// count of teachers each row needs more than once. The palette's tools act on the cells: the set
// tool offers a coupling for the cell and the row's placement, the move tool drags a coupling to
// another cell (with Shift it is copied), the delete tool empties a cell and the fix tool fixes or
// frees it by a double click. "Suche Lösung" looks for an arrangement without such teachers. One
// per document.
class TParForm : public QWidget, public Fenster {
  Q_OBJECT

 public:
  TParForm(TSchule& schule, TParRaster raster, bool mitFach);
  ~TParForm() override;

  void FensterUpdate() override { Fuellen(); }
  // The courses of a coupling may have changed.
  void FensterRefresh() override;
  void FensterSchliessen() override;
  void FensterNachVorn() override;
  void ElementEntfernt(const TElement* element) override;
  void KursEntfernt(const TKurs* kurs) override;
  int FensterArt() const override { return Nr(TFensterTyp::ParalleleKopplungen); }
  std::string FensterTitel() const override;
  QSize sizeHint() const override;

  TParRaster& Raster() { return fRaster; }
  QTableWidget* Tabelle() const { return fTabelle; }
  QPushButton* SuchKnopf() const { return fSuchen; }

  // The tools, as the mouse calls them; columns and rows count from 1, column 0 is the count.
  void Geklickt(int32_t spalte, int32_t zeile);
  void Doppelgeklickt(int32_t spalte, int32_t zeile);
  void Aufnehmen(int32_t spalte, int32_t zeile);
  void Ablegen(int32_t spalte, int32_t zeile, bool kopieren);
  // "Suche Lösung", modal.
  void SucheLoesung();
  // The grid as tab-separated text, as "Kopieren" takes it.
  std::string Text() const { return fRaster.Text(fMitFach); }
  // Shows a menu the window built; tests replace it to choose entries themselves.
  std::function<void(TMenu&)> fMenuZeigen;

 private:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;
  void Fuellen();

  TSchule& fSchule;
  TParRaster fRaster;
  bool fMitFach;
  QTableWidget* fTabelle;
  QPushButton* fSuchen;
  int32_t fVonSpalte = 0;  // the cell the move tool picked up, 0 for none
  int32_t fVonZeile = 0;
  bool fZaehlenVorgemerkt = false;
};

// "Daten" / "Parallele Kopplungen": the open window, or after the start dialog a new one; none
// when the dialog was cancelled.
TParForm* ParFormOeffnen(TSchule& schule, TStandard& standard, QWidget* eltern);
// The window as a plan file reopens it: the stored grid, without asking.
TParForm* ParFormWiederOeffnen(TSchule& schule, const TStandard& standard);

}  // namespace orbato
