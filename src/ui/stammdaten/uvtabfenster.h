#pragma once

#include <QGuiApplication>
#include <QWidget>
#include <memory>
#include <vector>

#include "model/fenster/fenstertyp.h"
#include "model/schnittstellen/fenster.h"

class QTableWidget;
class QToolButton;

namespace orbato {

class TSchule;
class TStandard;
class TUVMatrix;
class TUVTab;

// The matrix of a teaching-distribution table: classes against subjects (or teachers against
// classes), each cell a course with its workload and its teacher (or subject), the headers with
// the hours still to give. Double-clicks create, open and change courses.
class TUVTabForm : public QWidget, public Fenster {
  Q_OBJECT

 public:
  TUVTabForm(TSchule& schule, TStandard& standard, TUVTab* tabelle);
  ~TUVTabForm() override;

  void FensterUpdate() override;
  void FensterRefresh() override { FensterUpdate(); }
  void FensterSchliessen() override;
  void FensterNachVorn() override;
  int FensterArt() const override { return Nr(TFensterTyp::UVMatrix); }
  std::string FensterTitel() const override;
  void KursEntfernt(const TKurs* kurs) override;
  QSize sizeHint() const override;

  TUVTab* Tabelle() const { return fTab; }
  const TUVMatrix& Matrix() const { return *fMatrix; }
  QTableWidget* Raster() const { return fRaster; }
  QToolButton* Schalter() const { return fSchalter; }
  // The cell as shown: workload, a dotted bar and the short name.
  QString ZellText(int zeile, int spalte) const;
  void Doppelgeklickt(int zeile, int spalte,
                      Qt::KeyboardModifiers tasten = QGuiApplication::keyboardModifiers());
  std::string Text() const;
  void AuswahlLoeschen();
  // The courses of the selected cells, row by row, each once.
  std::vector<TKurs*> AusgewaehlteKurse() const;

 private:
  void Zeichnen();
  std::vector<std::pair<int32_t, int32_t>> Auswahl(int zeile, int spalte) const;
  void Geaendert();

  TSchule& fSchule;
  TStandard& fStandard;
  TUVTab* fTab;
  std::unique_ptr<TUVMatrix> fMatrix;
  QTableWidget* fRaster;
  QToolButton* fSchalter;
};

// The table's matrix window: the one open, or a new one.
TUVTabForm* UVTabFensterOeffnen(TSchule& schule, TStandard& standard, TUVTab* tabelle);

}  // namespace orbato
