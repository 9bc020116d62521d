#pragma once

#include <QWidget>

#include "model/elemente/kuerzelart.h"
#include "model/fenster/fenstertyp.h"
#include "model/schnittstellen/fenster.h"

class QAbstractButton;
class QPainter;
class QRect;
class QTableWidget;

namespace orbato {

class TSchule;
class TStandard;

// "Stundenverteilung": how the lessons of every teacher, class or room lie in the week of the
// current plan version, one glyph per period, with its gap periods. One per document.
class TSVForm : public QWidget, public Fenster {
  Q_OBJECT

 public:
  TSVForm(TSchule& schule, const TStandard& standard);
  ~TSVForm() override;

  void FensterUpdate() override { Fuellen(); }
  void FensterRefresh() override { Fuellen(); }
  // A run of the scheduler tells of every lesson; the rows are filled once after it.
  void BelegungGeaendert() override;
  void FensterSchliessen() override;
  void FensterNachVorn() override;
  int FensterArt() const override { return Nr(TFensterTyp::Stundenverteilung); }
  std::string FensterTitel() const override;
  QSize sizeHint() const override;

  QTableWidget* Tabelle() const { return fTabelle; }
  // The radio button of "Lehrer" (leh), "Klassen" (kla) or "Räume" (rau).
  QAbstractButton* Knopf(TKuerzelArt art) const;
  TKuerzelArt Art() const { return fArt; }
  // A double-click on a row: the element's plan window, with Shift a further one.
  void Doppelgeklickt(int zeile);

 private:
  void ArtWaehlen(TKuerzelArt art);
  void Fuellen();

  TSchule& fSchule;
  const TStandard& fStandard;
  TKuerzelArt fArt = leh;
  QTableWidget* fTabelle;
  QAbstractButton* fKnoepfe[3];
  bool fFuellenVorgemerkt = false;
};

// The day-status text of one day drawn into a cell, period 1 leftmost, one glyph per character.
void SVTagZeichnen(QPainter& maler, const QRect& zelle, const std::string& codes);

// The open window, or a new one.
TSVForm* SVFormOeffnen(TSchule& schule, const TStandard& standard);

}  // namespace orbato
