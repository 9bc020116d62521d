#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <utility>

#include "model/basis/liste.h"
#include "model/elemente/kuerzelart.h"
#include "model/fenster/fenstertyp.h"
#include "model/schnittstellen/fenster.h"
#include "model/schnittstellen/menue.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace orbato {

class TKurs;
class TSchule;
class TSperrRaster;
class TStandard;

// The editor of one course, "Kurs". Every change goes straight into the course and redraws the
// windows that show it; there is nothing to confirm. The document has one course window: opening
// it for another course shows that course in it.
class TKursForm : public QWidget, public Fenster {
  Q_OBJECT

 public:
  // The course window showing the course, opened from the course list `vater`.
  static TKursForm* Oeffnen(TSchule& schule, TStandard& standard, TKurs* kurs,
                            TListe<TKurs>* vater);
  ~TKursForm() override;

  void FensterUpdate() override { Anzeigen(); }
  void FensterRefresh() override { Anzeigen(); }
  void FensterSchliessen() override;
  void FensterNachVorn() override;
  int FensterArt() const override { return Nr(TFensterTyp::Kurs); }
  std::string FensterTitel() const override { return FensterTypTitel(TFensterTyp::Kurs); }
  void KursEntfernt(const TKurs* kurs) override;

  TKurs* Kurs() const { return fKurs; }
  TListe<TKurs>* Vater() const { return fVater; }
  // The kind of element the "Kürzel" button picks.
  TKuerzelArt Art() const { return fArt; }
  void ArtWaehlen(TKuerzelArt art);
  // The candidates the "Kürzel" button offers, as data.
  TMenu KuerzelMenu();
  // A double-click on the field of an element of the kind (for the class and room lists, the
  // row): with the delete tool it takes the element out of the course where the rules allow.
  void FeldDoppelklick(TKuerzelArt art, int zeile = 0);
  // The blocking rubber band from one cell to another (days and periods from 1).
  void SperrungZiehen(int32_t vonTag, int32_t vonStd, int32_t bisTag, int32_t bisStd);
  // One step of dragging a room in the room list: the two rows (from 0) exchange their rooms.
  void RaumZiehen(int von, int nach);
  // "Ändern": the colour dialog.
  void FarbeAendern();
  // A short name typed into the field of a kind (teacher, subject, coupling) or under the list
  // of classes or rooms: the element is chosen as the "Kürzel" button would choose it. An
  // unknown short name, or one the rules refuse now, is said in a message; the field then shows
  // the course again.
  void KuerzelEingegeben(TKuerzelArt art, const QString& text);

  // Shows a menu the window built; tests replace it to choose entries themselves.
  std::function<void(TMenu&)> fMenuZeigen;

  // The fields, for the tests that drive the window.
  QLineEdit* fLehrer;
  QLineEdit* fFach;
  QListWidget* fKlassen;
  QLineEdit* fKopplung;
  QListWidget* fRaeume;
  QSpinBox* fStunden;
  QLabel* fVerplant;
  QSpinBox* fFaktor;
  QLabel* fWert;
  QSpinBox* fStdProTag;
  QSpinBox* fEinzelne;
  QLabel* fEinzelneHinweis;  // says when "Einzelne" had to follow fewer hours
  QSpinBox* fTabelle;
  QCheckBox* fNichtVerplanen;
  QCheckBox* fNichtZaehlenLe;
  QCheckBox* fNichtZaehlenKl;
  TSperrRaster* fSperrung;
  QLabel* fFarbe;
  QPushButton* fFarbeAendern;
  QLineEdit* fInfo;
  QLineEdit* fKlasseNeu;  // a class to add, typed
  QLineEdit* fRaumNeu;    // a room to add, typed
  QPushButton* fKuerzel;
  QRadioButton* fArtKnopf[5];

 protected:
  void closeEvent(QCloseEvent* ereignis) override;

 private:
  TKursForm(TSchule& schule, TStandard& standard);
  void Aufbauen();
  void Verbinden();
  QWidget* ElementTeil();
  QWidget* ZahlenTeil();
  QWidget* SperrungsTeil();
  // Shows the course as it stands.
  void Anzeigen();
  // After a change of the course: this window and every other one that shows the course.
  void Geaendert();
  void KuerzelKlick();
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;
  bool RaumMaus(QEvent* ereignis);
  // The short names the typed fields complete from, as they stand now.
  void Vervollstaendigen();
  // "Einzelne" goes no higher than the hours of a version and the days of the week.
  int32_t EinzelneHoechstens() const;
  void EinzelneBegrenzen();
  // The fields that take a typed short name, and the kind of element each takes.
  std::array<std::pair<QLineEdit*, TKuerzelArt>, 5> EingabeFelder() const;

  TSchule& fSchule;
  TStandard& fStandard;
  TKurs* fKurs = nullptr;
  TListe<TKurs>* fVater = nullptr;
  TKuerzelArt fArt = leh;
  bool fMenuOffen = false;
  int fZiehRaum = -1;
};

}  // namespace orbato
