#pragma once

#include <QDialog>
#include <QString>
#include <functional>

#include "model/basis/datum.h"
#include "model/einstellungen/standard.h"
#include "ui/drucken/druckausgabe.h"

class QDateEdit;
class QPushButton;
class QSpinBox;

namespace orbato {

class Dialoge;
class TSchriftFeld;
class TSchule;

// The substitution printouts over a range of days.
enum class TVBereichDruck { Vertretungsstunden, UebersichtLehrer, UebersichtKlassen };

// The printout of a caption of "Drucken" / "Vertretung", none for another caption.
const TVBereichDruck* VBereichDruckZuEintrag(const QString& eintrag);

// The print dialog of one of these printouts: the days "von" and "bis", font and margin. "Ok"
// stores them into the printout's settings, closes and prints after the printer dialog;
// "Ansehen" stores them and shows the preview, the dialog staying open; "Abbrechen" stores
// nothing. A range never chosen before starts at today for both days.
class TVBereichDruckDialog : public QDialog {
  Q_OBJECT

 public:
  TVBereichDruckDialog(TVBereichDruck art, TSchule& schule, TStandard& standard,
                       QWidget* eltern = nullptr);

  // Where the recorded pages go, unless a test puts its own calls in their place.
  using TAusgabe = std::function<void(QWidget* eltern, Dialoge& dialoge, const TAufzeichnung&)>;
  TAusgabe fDrucken;
  TAusgabe fAnsehen;

  TVBereichDruck Art() const { return fArt; }
  // The days of the fields at noon; "bis" is never before "von".
  TDatumZeit Von() const;
  TDatumZeit Bis() const;
  // Writes the range, font and margin into the printout's settings.
  void Uebernehmen();
  // Records the printout as the settings stand now.
  TAufzeichnung Aufzeichnung() const;
  void accept() override;

  QDateEdit* VonFeld() const { return fVon; }
  QDateEdit* BisFeld() const { return fBis; }
  TSchriftFeld* SchriftFeld() const { return fSchriftFeld; }
  QSpinBox* Rand() const { return fRand; }
  QPushButton* OkKnopf() const { return fOkKnopf; }
  QPushButton* AnsehenKnopf() const { return fAnsehenKnopf; }
  QPushButton* AbbrechenKnopf() const { return fAbbrechenKnopf; }

 private:
  // The settings of the printout: font, margin and the two days.
  TSchrift& Schrift() const;
  int32_t& RandWert() const;
  TDatumZeit& VonWert() const;
  TDatumZeit& BisWert() const;
  QWidget* Bereich();
  QWidget* Druckbild();
  QWidget* Knoepfe();
  void Ansehen();

  TVBereichDruck fArt;
  TSchule& fSchule;
  TStandard& fStandard;
  QDateEdit* fVon = nullptr;
  QDateEdit* fBis = nullptr;
  TSchriftFeld* fSchriftFeld = nullptr;
  QSpinBox* fRand = nullptr;
  QPushButton* fOkKnopf = nullptr;
  QPushButton* fAnsehenKnopf = nullptr;
  QPushButton* fAbbrechenKnopf = nullptr;
};

}  // namespace orbato
