#pragma once

#include <QWidget>
#include <functional>

#include "model/fenster/fenstertyp.h"
#include "model/schnittstellen/fenster.h"
#include "model/schnittstellen/menue.h"
#include "ui/stammdaten/elementfelder.h"

class QFormLayout;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace orbato {

class TElement;
class TFach;
class TKopplung;
class TRaum;
class TSchule;
class TSperrRaster;
class TStandard;

// The master-data window of one element, "Grunddaten X": what the element is before any course
// names it. Every change goes straight into the element and redraws the open windows; there is
// nothing to confirm. An element has at most one such window.
class TGrForm : public QWidget, public Fenster {
  Q_OBJECT

 public:
  ~TGrForm() override;

  void FensterUpdate() override { Anzeigen(); }
  void FensterRefresh() override { Anzeigen(); }
  void FensterSchliessen() override;
  void FensterNachVorn() override;
  int FensterArt() const override { return Nr(fTyp); }
  std::string FensterTitel() const override;

  TElement* Element() const { return fElement; }
  // The blocking rubber band from one cell to another (days and periods from 1); teachers,
  // classes and rooms only.
  void SperrungZiehen(int32_t vonTag, int32_t vonStd, int32_t bisTag, int32_t bisStd);

  // Shows a menu the window built below the button; tests replace it to choose entries.
  std::function<void(TMenu&, QWidget* knopf)> fMenuZeigen;

  QLineEdit* fInfo;
  TSperrRaster* fSperrung = nullptr;  // teachers, classes and rooms

 protected:
  TGrForm(TSchule& schule, TStandard& standard, TElement* element, TFensterTyp typ);
  // Shows the element as it stands; the derived windows add their fields.
  virtual void Anzeigen();
  // After a change of the element: every open window redraws, this one included.
  void Geaendert();
  // The form the derived windows add their rows to.
  QFormLayout* Form() const { return fForm; }
  // The blocking grid beside the form, for plan elements.
  void SperrungAnlegen();
  void MenuZeigen(TMenu menu, QWidget* knopf);

  TSchule& fSchule;
  TStandard& fStandard;

 private:
  TElement* fElement;
  TFensterTyp fTyp;
  QFormLayout* fForm;
};

// A coupling's master data: its info text.
class TKoGrForm : public TGrForm {
  Q_OBJECT
 public:
  TKoGrForm(TSchule& schule, TStandard& standard, TKopplung* kopplung);
};

// A room's master data: info text and blocking grid.
class TRaGrForm : public TGrForm {
  Q_OBJECT
 public:
  TRaGrForm(TSchule& schule, TStandard& standard, TRaum* raum);
};

// A subject's master data: info text, the teachers who give it and the classes that have it.
// A double-click with the delete tool on a teacher takes the subject from him while he has no
// lessons of it.
class TFaGrForm : public TGrForm {
  Q_OBJECT
 public:
  TFaGrForm(TSchule& schule, TStandard& standard, TFach* fach);
  void LehrerDoppelklick(int zeile);

  QListWidget* fLehrer;
  QListWidget* fKlassen;

 protected:
  void Anzeigen() override;

 private:
  TFach* fFach;
};

// The element's master-data window: the one open, or a new one.
TGrForm* GrunddatenFensterOeffnen(TSchule& schule, TStandard& standard, TElement* element);

}  // namespace orbato
