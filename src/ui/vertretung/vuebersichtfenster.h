#pragma once

#include <QWidget>

#include "model/fenster/fenstertyp.h"
#include "model/schnittstellen/fenster.h"
#include "substitution/vertretungsuebersicht.h"

class QLabel;
class QTableWidget;

namespace orbato {

class TSchule;

// "Vertretungsübersicht für Lehrer" and "… für Klassen": the range, the statistics
// grid with one row per teacher or class, and under it the records of the selected row. One of
// each per document; opened again with another range it shows that range.
class TVUebForm : public QWidget, public Fenster {
  Q_OBJECT

 public:
  TVUebForm(TSchule& schule, TKuerzelArt art, TDatumZeit von, TDatumZeit bis,
            QWidget* eltern = nullptr);
  ~TVUebForm() override;

  void FensterUpdate() override { Fuellen(); }
  void FensterRefresh() override { Fuellen(); }
  void FensterSchliessen() override;
  void FensterNachVorn() override;
  int FensterArt() const override {
    return Nr(fUebersicht.Art() == leh ? TFensterTyp::VertretungsUebersichtLehrer
                                       : TFensterTyp::VertretungsUebersichtKlassen);
  }
  std::string FensterTitel() const override;
  QSize sizeHint() const override;

  void SetBereich(TDatumZeit von, TDatumZeit bis);
  const TVertretungsUebersicht& Uebersicht() const { return fUebersicht; }
  QLabel* Bereich() const { return fBereich; }
  QTableWidget* Raster() const { return fRaster; }
  QTableWidget* Details() const { return fDetails; }
  // The grid as tab-separated text, its header first: what "Kopieren" puts on the clipboard.
  std::string Text() const { return fUebersicht.Text(); }

 private:
  void Fuellen();
  void DetailsFuellen(int zeile);

  TSchule& fSchule;
  TVertretungsUebersicht fUebersicht;
  QLabel* fBereich;
  QTableWidget* fRaster;
  QTableWidget* fDetails;
};

}  // namespace orbato
