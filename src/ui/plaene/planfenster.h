#pragma once

#include <QGuiApplication>
#include <QWidget>
#include <array>
#include <functional>
#include <utility>
#include <vector>

#include "model/schnittstellen/menue.h"

#include "model/fenster/fenstertyp.h"
#include "model/fenster/planzelle.h"
#include "model/schnittstellen/fenster.h"
#include "placement/planzellen.h"
#include "ui/bausteine/werkzeugmaus.h"

class QMouseEvent;
class QTableWidget;
class QToolButton;

namespace orbato {

class TKlasse;
class TLehrer;
class TPlanElement;
class TRaum;
class TSchule;
class TSetzung;
class TStandard;

// The timetable of one teacher, class or room for the current plan version, the surface the
// palette's tools act on. Days across, periods down; each cell shows the course placed there, the
// blocking, or nothing, and keeps its mark ('N', 'F', 'R', ' ').
class TPlnForm : public QWidget, public Fenster, public TPlanZellen, public TPlanMaus {
  Q_OBJECT

 public:
  ~TPlnForm() override;

  void FensterUpdate() override;
  void FensterRefresh() override { FensterUpdate(); }
  void FensterSchliessen() override;
  void FensterNachVorn() override;
  int FensterArt() const override { return Nr(fTyp); }
  std::string FensterTitel() const override;
  QSize sizeHint() const override;

  char ZellMarke(int32_t tag, int32_t std) const override;
  void ZelleZeigen(int32_t tag, int32_t std, TKurs* kurs, char marke) override;
  int32_t ZellWoche() const override;

  TPlanElement* Element() const { return fElement; }
  QTableWidget* Raster() const { return fRaster; }
  QToolButton* Schalter() const { return fSchalter; }
  TKurs* ZellKurs(int32_t tag, int32_t std) const { return fZellen.fKurs[tag][std]; }
  // The cell's texts joined as the window shows them.
  QString ZellText(int32_t tag, int32_t std) const;

  // The tools, as the mouse calls them; public so that tests can drive them cell by cell.
  void Geklickt(int32_t tag, int32_t std);
  void Doppelgeklickt(int32_t tag, int32_t std,
                      Qt::KeyboardModifiers tasten = QGuiApplication::keyboardModifiers());
  // The menu a click gives, as data: what the window would pop up.
  TMenu KlickMenu(int32_t tag, int32_t std);
  // The right click of the set tool: where each course of the element could go.
  TMenu RechtsMenu();
  void RechtsKlick();
  // The move tool: pressing on a course's cell marks its cells and picks it up; the drop moves it
  // after the fit test (with its coupling unless `alt`). A drop with Shift on another cell asks
  // for the school-wide swap of the two periods; a drop on a cell the course holds already does
  // nothing.
  bool Aufnehmen(int32_t tag, int32_t std);
  // The press with Ctrl: marks every cell where the course (every course of its coupling) could
  // go without any obstacle; with `ohneRaum` the room of its lesson is not asked for.
  void Vorschau(int32_t tag, int32_t std, bool ohneRaum);
  void Ablegen(int32_t tag, int32_t std, bool alt, bool shift);
  // The move tool from the keyboard: whether it holds a lesson, and letting go of it (false when
  // it holds none).
  bool Haelt() const { return fGezogen != nullptr; }
  bool FallenLassen();
  // The plan as tab-separated text: a header line of days, then one line per period.
  QString PlanText() const;
  // Shows a menu the window built; tests replace it to choose entries themselves.
  std::function<void(TMenu&)> fMenuZeigen;

 protected:
  TPlnForm(TSchule& schule, TStandard& standard, TPlanElement* element, TFensterTyp typ);
  bool fKopplungZeigen = true;  // the corner switch reads "o"

 private:
  bool SetzDruck(const QMouseEvent& maus) override;
  bool SchiebDruck(const QMouseEvent& maus) override;
  bool Zug(const QMouseEvent& maus) override;
  bool Loslassen(const QMouseEvent& maus) override;
  void Fuellen();
  void Abmessen();
  void ZelleMalen(int32_t tag, int32_t std);
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;
  void Markieren(const TKurs& kurs);
  bool ZelleBei(const QPoint& punkt, int32_t& tag, int32_t& std) const;

  TSchule& fSchule;
  TStandard& fStandard;
  TPlanElement* fElement;
  int fSpaltenBreite = 13;  // a day's and a period's size as the settings give them
  int fZeilenHoehe = 13;
  TFensterTyp fTyp;
  QTableWidget* fRaster;
  QToolButton* fSchalter;
  TPlanBelegung fZellen;
  TKurs* fGezogen = nullptr;  // the course picked up by the move tool
  int32_t fVonTag = 0;
  int32_t fVonStd = 0;
};

class TLePlnForm : public TPlnForm {
  Q_OBJECT
 public:
  TLePlnForm(TSchule& schule, TStandard& standard, TLehrer* lehrer);
  TLehrer* fLehrer;
};

class TKlPlnForm : public TPlnForm {
  Q_OBJECT
 public:
  TKlPlnForm(TSchule& schule, TStandard& standard, TKlasse* klasse);
  TKlasse* fKlasse;
};

class TRaPlnForm : public TPlnForm {
  Q_OBJECT
 public:
  TRaPlnForm(TSchule& schule, TStandard& standard, TRaum* raum);
  TRaum* fRaum;
};

// The element's plan window: the one open, or a new one.
TPlnForm* PlanFensterOeffnen(TSchule& schule, TStandard& standard, TPlanElement* element);

}  // namespace orbato
