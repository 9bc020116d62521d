#pragma once

#include <QDialog>
#include <QFont>
#include <functional>
#include <vector>

#include "model/einstellungen/standard.h"
#include "print/uebersichtdaten.h"
#include "ui/drucken/druckausgabe.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace orbato {

class TSchriftFeld;
class Dialoge;
class TSchule;

// The print dialog of one of the five whole-school overviews ("Lehrerübersicht drucken", …):
// the range of days and periods, the remark, what a cell shows, the margins and the font, each
// as far as that overview keeps it. "Ok" stores the options into the settings, closes and prints
// after the printer dialog; "Ansehen" stores them and shows the pages in the preview, the dialog
// staying open; "Abbrechen" stores nothing.
class TUebersichtDruckDialog : public QDialog {
  Q_OBJECT

 public:
  TUebersichtDruckDialog(TUebersichtArt art, TSchule& schule, TStandard& standard,
                         QWidget* eltern = nullptr);

  // Where the pages go: the printer after its dialog and the preview, or what a test puts in
  // their place. Each gets the call that records the overview.
  using TAusgabe =
      std::function<void(QWidget* eltern, Dialoge& dialoge, const TAufzeichnung& aufzeichnen)>;
  TAusgabe fDrucken;
  TAusgabe fAnsehen;
  // Writes the options shown into the overview's settings.
  void Uebernehmen();
  // Records the overview with the options in the settings.
  TAufzeichnung Aufzeichnung() const;

  TUebersichtArt Art() const { return fArt; }
  // The range; none for the subject overview, which always shows the whole week.
  QComboBox* VonTag() const { return fVonTag; }
  QComboBox* VonStd() const { return fVonStd; }
  QComboBox* BisTag() const { return fBisTag; }
  QComboBox* BisStd() const { return fBisStd; }
  QLineEdit* Bemerkung() const { return fBemerkung; }
  // The check box with that caption; none when this overview has no such option.
  QCheckBox* Haken(const QString& text) const;
  // The captions of the check boxes in order.
  QStringList HakenTexte() const;
  // "links", "rechts", "oben", "unten"; the subject overview has a single margin.
  const std::vector<QSpinBox*>& Raender() const { return fRaender; }
  // The font button; a test puts its answer into its fSchriftWaehlen.
  TSchriftFeld* SchriftFeld() const { return fSchriftFeld; }

 private:
  struct THaken {
    QCheckBox* feld;
    bool TDruckEinstellung::*wert;
  };

  QWidget* Bereich();
  QWidget* Inhalt();
  QWidget* Druckbild();
  QWidget* Knoepfe();
  QComboBox* Auswahl(QWidget* eltern, const QStringList& texte, int32_t wert);
  void TeileAbgleichen();
  void Ausgeben(const TAusgabe& ausgabe, QWidget* eltern);

  TUebersichtArt fArt;
  TSchule& fSchule;
  TStandard& fStandard;
  TDruckEinstellung& fEinst;
  QComboBox* fVonTag = nullptr;
  QComboBox* fVonStd = nullptr;
  QComboBox* fBisTag = nullptr;
  QComboBox* fBisStd = nullptr;
  QLineEdit* fBemerkung = nullptr;
  std::vector<THaken> fHaken;
  std::vector<QSpinBox*> fRaender;
  TSchriftFeld* fSchriftFeld = nullptr;
};

// The dialog's window title for the kind, e.g. "Lehrerübersicht drucken".
QString UebersichtDruckTitel(TUebersichtArt art);

}  // namespace orbato
