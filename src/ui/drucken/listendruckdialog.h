#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <functional>
#include <vector>

#include "model/einstellungen/standard.h"
#include "ui/drucken/druckausgabe.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace orbato {

class TSchriftFeld;
class Dialoge;
class TPlanElement;
class TSchule;

// The printouts of "Drucken" that are lists: "Kürzel...", "Deputate..." and the four of "Listen".
enum class TListenDruck {
  Kuerzel,
  Deputate,
  Reststunden,
  Stundenverteilung,
  Fachkonferenzen,
  Klassenkonferenzen
};

// The printout of a menu caption of these, none for another caption.
const TListenDruck* ListenDruckZuEintrag(const QString& eintrag);

// The print dialog of one of these printouts: the options its settings group stores, font and
// margin, for "Deputate" the kind of sheet and a choice of elements ("Auswahl"; none chosen means
// all). "Ok" stores the options into the settings, closes and prints after the printer dialog;
// "Ansehen" stores them and shows the preview, the dialog staying open; "Abbrechen" stores
// nothing.
class TListenDruckDialog : public QDialog {
  Q_OBJECT

 public:
  TListenDruckDialog(TListenDruck art, TSchule& schule, TStandard& standard,
                     QWidget* eltern = nullptr);

  // Where the recorded pages go: the printer dialog and printing, and the preview, unless a test
  // puts its own calls in their place.
  using TAusgabe = std::function<void(QWidget* eltern, Dialoge& dialoge, const TAufzeichnung&)>;
  TAusgabe fDrucken;
  TAusgabe fAnsehen;
  TListenDruck Art() const { return fArt; }
  // Writes the options, font and margin into the printout's settings group.
  void Uebernehmen();
  // The elements chosen under "Auswahl", in list order.
  std::vector<const TPlanElement*> Auswahl() const;
  // Records the printout as the settings stand now, with the chosen elements.
  TAufzeichnung Aufzeichnung() const;
  void accept() override;

  // The check box with that caption, none when the printout has no such option.
  QCheckBox* Option(const QString& text) const;
  QList<QCheckBox*> Optionen() const { return fOptionen; }
  // "Deputate": sheets of "Lehrer", "Klassen" or "Räume" (0, 1, 2), and the choice of elements.
  QRadioButton* DeputatArt(int i) const { return fDeputatArt[static_cast<std::size_t>(i)]; }
  QListWidget* AuswahlListe() const { return fAuswahlListe; }
  // The font button; a test puts its answer into its fSchriftWaehlen.
  TSchriftFeld* SchriftFeld() const { return fSchriftFeld; }
  QSpinBox* Rand() const { return fRand; }
  QPushButton* OkKnopf() const { return fOkKnopf; }
  QPushButton* AnsehenKnopf() const { return fAnsehenKnopf; }
  QPushButton* AbbrechenKnopf() const { return fAbbrechenKnopf; }

 private:
  TDruckEinstellung& Einstellung() const;
  QWidget* OptionenGruppe();
  QWidget* DeputatArtGruppe();
  QWidget* AuswahlGruppe();
  QWidget* Druckbild();
  QWidget* Knoepfe();
  void AuswahlFuellen();
  void Ansehen();

  TListenDruck fArt;
  TSchule& fSchule;
  TStandard& fStandard;
  QList<QCheckBox*> fOptionen;
  std::array<QRadioButton*, 3> fDeputatArt{};
  QListWidget* fAuswahlListe = nullptr;
  std::vector<const TPlanElement*> fAuswahlElemente;
  TSchriftFeld* fSchriftFeld = nullptr;
  QSpinBox* fRand = nullptr;
  QPushButton* fOkKnopf = nullptr;
  QPushButton* fAnsehenKnopf = nullptr;
  QPushButton* fAbbrechenKnopf = nullptr;
};

}  // namespace orbato
