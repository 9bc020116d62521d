#pragma once

#include <QDialog>
#include <QIcon>
#include <functional>

#include "model/basis/datum.h"
#include "model/elemente/kuerzelart.h"
#include "model/schnittstellen/menue.h"
#include "substitution/fehlzeiten.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace orbato {

class TPlanElement;
class TSchule;
class TStandard;

// "Fehlende Lehrer", "Fehlende Klassen", "Fehlende Räume": the absences of one kind on one date,
// the view of TFehlForm. The grid has the reason, the day line with the absent periods below it,
// the short name and the calendar symbol of the long absence. "Ok" turns the rows into records.
class TFehlFenster : public QDialog {
  Q_OBJECT

 public:
  // The grid's columns.
  enum TSpalte { kGrund = 0, kTag = 1, kKuerzel = 2, kLang = 3 };
  // What the cells of column 1 hold for drawing: the element's day line and the period text.
  static constexpr int kTagesZeilenRolle = Qt::UserRole;
  static constexpr int kStundenRolle = Qt::UserRole + 1;

  TFehlFenster(TSchule& schule, const TStandard& standard, TKuerzelArt art, TDatumZeit datum,
               QWidget* eltern = nullptr);

  TFehlForm& Form() { return fForm; }
  QTableWidget* Raster() const { return fRaster; }
  QLabel* DatumFeld() const { return fDatum; }
  QPushButton* ElementKnopf() const { return fElement; }
  QPushButton* VonKnopf() const { return fVon; }
  QPushButton* BisKnopf() const { return fBis; }

  // The window opened on an element: its row, a new one when it has none.
  void ElementZeigen(TPlanElement* element);
  // The calendar symbol of a row: "längere Fehlzeit" for its element.
  void LangeFehlzeit(int zeile);
  void accept() override;

  // Shows a menu of the window, below the button that offers it or, without one, at the mouse;
  // tests replace it to choose entries themselves.
  std::function<void(TMenu&, QWidget*)> fMenuZeigen;

 private:
  void showEvent(QShowEvent* ereignis) override;
  void Fuellen();
  // The form's selection, scrolled so that its top row comes first.
  void Auswaehlen();
  void ElementWahl();
  void StundenWahl(bool bis);
  void Geklickt(int zeile, int spalte, int x, Qt::KeyboardModifiers tasten);
  void Zeigen(TMenu& menu, QWidget* knopf);
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;

  TSchule& fSchule;
  TFehlForm fForm;
  QLabel* fDatum;
  QPushButton* fElement;
  QPushButton* fVon;
  QPushButton* fBis;
  QTableWidget* fRaster;
  QIcon fKalender;
  // The cell a left button went down in, so that only a click within one cell counts.
  int fDruckZeile = -1;
  int fDruckSpalte = -1;
};

// Opens the absence window of the kind for the date as a modal dialog; with an element, on that
// element's row. True when it was closed with "Ok".
bool FehlFensterZeigen(QWidget* eltern, TSchule& schule, const TStandard& standard, TKuerzelArt art,
                       TDatumZeit datum, TPlanElement* element = nullptr);

}  // namespace orbato
