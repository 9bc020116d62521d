#pragma once

#include <QGuiApplication>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "model/einstellungen/standard.h"
#include "model/elemente/kuerzelart.h"
#include "model/fenster/fenstertyp.h"
#include "model/fenster/planzelle.h"
#include "model/schnittstellen/fenster.h"
#include "model/schnittstellen/menue.h"
#include "placement/raeume.h"
#include "ui/bausteine/werkzeugmaus.h"

class QMouseEvent;
class QTableView;
class QToolButton;

namespace orbato {

class TPlanElement;
class TSchule;
class TStandard;
class TUeberModell;

// The timetables of every teacher, class or room side by side for the current plan version: one
// column per element in the order of the document's list, one row per day and period, row
// (day - 1) * periods + period. Each cell shows what the element's plan window would show there,
// and the palette's tools act on it as they do in the plan window, with the element taken from
// the column and the day and period from the row. The marks ('R') lie in one column at a time.
class TUeberForm : public QWidget, public Fenster, public TUeberZellen, public TPlanMaus {
  Q_OBJECT

 public:
  ~TUeberForm() override;

  void FensterUpdate() override { Fuellen(); }
  void FensterRefresh() override { Fuellen(); }
  void FensterSchliessen() override;
  void FensterNachVorn() override;
  // The scheduler tells of every lesson; the cells are compared once its run is over.
  void BelegungGeaendert() override;
  void KursEntfernt(const TKurs* kurs) override;
  void ElementEntfernt(const TElement* element) override;
  int FensterArt() const override { return Nr(fTyp); }
  std::string FensterTitel() const override;
  QSize sizeHint() const override;

  char ZeilenMarke(int32_t zeile) const override;

  TKuerzelArt Art() const { return fArt; }
  QTableView* Raster() const { return fRaster; }
  QToolButton* Schalter() const { return fSchalter; }
  int Spalten() const { return static_cast<int>(fSpalten.size()); }
  int Zeilen() const { return fTage * fStunden; }
  // Day and period of a row (from 1), and the row of a day and period.
  int32_t Tag(int zeile) const { return (zeile - 1) / fStunden + 1; }
  int32_t Stunde(int zeile) const { return (zeile - 1) % fStunden + 1; }
  int Zeile(int32_t tag, int32_t std) const { return (tag - 1) * fStunden + std; }
  TPlanElement* Element(int spalte) const;
  TKurs* ZellKurs(int spalte, int zeile) const;
  // The mark of a cell: 'R' where marked, else 'N', 'F' or ' ' as the cell holds.
  char ZellMarke(int spalte, int zeile) const;
  QString ZellText(int spalte, int zeile) const;
  QString ZeilenKopf(int zeile) const;
  // The overview as tab-separated text: the short names, then one line per row.
  QString UebersichtText() const;
  // Compares every cell with what the plans hold now and redraws those that changed; answers
  // how many did.
  int Abgleichen();

  // The tools, cell by cell, as the mouse calls them (columns and rows from 1).
  void Geklickt(int spalte, int zeile);
  void Doppelgeklickt(int spalte, int zeile,
                      Qt::KeyboardModifiers tasten = QGuiApplication::keyboardModifiers());
  TMenu KlickMenu(int spalte, int zeile);
  TMenu RechtsMenu(int spalte);
  void RechtsKlick(int spalte);
  bool Aufnehmen(int spalte, int zeile);
  void Vorschau(int spalte, int zeile, bool ohneRaum);
  // The drop moves the picked-up course within its own timetable: the row gives the new day and
  // period, whatever column it lands in.
  void Ablegen(int spalte, int zeile, bool alt, bool shift);
  // The move tool from the keyboard: whether it holds a lesson, and letting go of it (false when
  // it holds none).
  bool Haelt() const { return fGezogen != nullptr; }
  bool FallenLassen();
  // Shows a menu the window built; tests replace it to choose entries themselves.
  std::function<void(TMenu&)> fMenuZeigen;

 protected:
  TUeberForm(TSchule& schule, TStandard& standard, TKuerzelArt art);

 private:
  bool SetzDruck(const QMouseEvent& maus) override;
  bool SchiebDruck(const QMouseEvent& maus) override;
  bool Zug(const QMouseEvent& maus) override;
  bool Loslassen(const QMouseEvent& maus) override;
  friend class TUeberModell;
  // What a column holds beside its element: the cells' courses and marks, and what the cells
  // looked like when last drawn, to find the cells a change touched.
  struct TSpalte {
    TPlanElement* fElement = nullptr;
    TPlanBelegung fBelegung;
    std::array<std::array<const TElement*, kMaxStunden + 1>, kMaxTage + 1> fRaum{};
    std::array<uint32_t, kMaxTage + 1> fGesperrt{};
  };
  void Fuellen();
  void Abmessen();
  void SpalteLesen(TSpalte& spalte) const;
  void ZelleGeaendert(int spalte, int zeile);
  void Nachholen();
  void MarkenLoeschen();
  void Markieren(int spalte, const TKurs& kurs);
  void Marke(int spalte, int zeile);
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;

  TSchule& fSchule;
  TStandard& fStandard;
  TKuerzelArt fArt;
  TFensterTyp fTyp;
  QTableView* fRaster;
  TUeberModell* fModell;
  QToolButton* fSchalter;
  bool fKopplungZeigen = true;  // the corner switch reads "o"
  std::vector<TSpalte> fSpalten;
  int fTage = 1;
  int fStunden = 1;
  int fMarkSpalte = 0;  // the column the marks lie in, 0 for none
  std::vector<bool> fMarken;
  TKurs* fGezogen = nullptr;
  int32_t fVonTag = 0;
  int32_t fVonStd = 0;
  bool fAbgleichVorgemerkt = false;
};

class TLehrUebForm : public TUeberForm {
  Q_OBJECT
 public:
  TLehrUebForm(TSchule& schule, TStandard& standard);
};

class TKlasUebForm : public TUeberForm {
  Q_OBJECT
 public:
  TKlasUebForm(TSchule& schule, TStandard& standard);
};

class TRaumUebForm : public TUeberForm {
  Q_OBJECT
 public:
  TRaumUebForm(TSchule& schule, TStandard& standard);
};

// The window kind of the overview of teachers, classes or rooms.
TFensterTyp UeberFensterTyp(TKuerzelArt art);
// The open overview of the kind, or a new one.
TUeberForm* UeberFormOeffnen(TSchule& schule, TStandard& standard, TKuerzelArt art);

}  // namespace orbato
