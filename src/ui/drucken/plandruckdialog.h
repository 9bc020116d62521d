#pragma once

#include <QDialog>
#include <QStringList>
#include <array>
#include <functional>
#include <utility>
#include <vector>

#include "model/einstellungen/standard.h"
#include "ui/drucken/druckausgabe.h"

class QCheckBox;
class QComboBox;
class QDateTimeEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace orbato {

class TPlanElement;
class TSchriftFeld;
class TSchule;

// The five plan printouts of the "Drucken" menu.
enum class TPlanDruckArt { Lehrer, Klassen, Raeume, KopplungenLehrer, KopplungenKlassen };

// The options of the settings group a plan printout stores.
TDruckEinstellung& PlanDruckEinstellung(TStandard& standard, TPlanDruckArt art);

// "Lehrerpläne drucken" and its four siblings: the range of days and periods, the remark, how the
// short names are arranged, what the cells show, the date plans count as changed from, the
// margins and the font, and the elements printed ("Auswahl", listed under "für Lehrer"). "Ok"
// stores the options into the settings, closes and prints; "Ansehen" stores them and shows the
// preview. Coupling plans have no cell parts and no arrangement of short names: those options are
// left out.
class TPlanDruckDialog : public QDialog {
  Q_OBJECT

 public:
  TPlanDruckDialog(TPlanDruckArt art, TStandard& standard, TSchule& schule,
                   QWidget* eltern = nullptr);

  // Where "Ok" and "Ansehen" hand the recording of the printout; the printer dialog and the
  // preview unless a test puts something else in.
  std::function<void(const TAufzeichnung&)> fDrucken;
  std::function<void(const TAufzeichnung&)> fAnsehen;
  // How "Auswahl" asks: the 0-based positions chosen among the short names.
  std::function<std::vector<int>(const QStringList& kuerzel)> fWaehlen;

  // Writes every option into the settings.
  void Uebernehmen();
  // The printout as the dialog stands: its elements and the options of the settings.
  TAufzeichnung Aufzeichnung() const;
  const std::vector<const TPlanElement*>& Auswahl() const { return fAuswahl; }
  void accept() override;

  QComboBox* VonTag() const { return fVonTag; }
  QComboBox* VonStd() const { return fVonStd; }
  QComboBox* BisTag() const { return fBisTag; }
  QComboBox* BisStd() const { return fBisStd; }
  QLineEdit* Bemerkung() const { return fBemerkung; }
  QRadioButton* Nebeneinander() const { return fNeben; }
  QRadioButton* Untereinander() const { return fUnter; }
  QRadioButton* StundenLinks() const { return fStundenLinks; }
  QRadioButton* TageLinks() const { return fTageLinks; }
  // The check boxes in the order shown, with the option each stands for.
  const std::vector<std::pair<QCheckBox*, bool TDruckEinstellung::*>>& Haken() const {
    return fHaken;
  }
  QCheckBox* Haken(const QString& text) const;
  QDateTimeEdit* Ab() const { return fAb; }
  // "links", "rechts", "oben", "unten".
  QSpinBox* Rand(int i) const { return fRand[static_cast<std::size_t>(i)]; }
  // The font button; a test puts its answer into its fSchriftWaehlen.
  TSchriftFeld* SchriftFeld() const { return fSchriftFeld; }
  QLabel* AuswahlFeld() const { return fAuswahlFeld; }
  QPushButton* OkKnopf() const { return fOk; }
  QPushButton* AnsehenKnopf() const { return fAnsehenKnopf; }
  QPushButton* AuswahlKnopf() const { return fAuswahlKnopf; }

 private:
  bool Kopplungsplan() const;
  QWidget* Bereich();
  QWidget* Anordnung();
  QWidget* Optionen();
  QWidget* Raender();
  QWidget* SchriftUndAuswahl();
  QWidget* Knoepfe();
  void Waehlen();
  void AuswahlZeigen();
  // The elements "Auswahl" offers: teachers, classes or rooms.
  std::vector<const TPlanElement*> Angebot() const;

  TPlanDruckArt fArt;
  TStandard& fStandard;
  TSchule& fSchule;
  TDruckEinstellung& fEinstellung;
  std::vector<const TPlanElement*> fAuswahl;
  QComboBox* fVonTag = nullptr;
  QComboBox* fVonStd = nullptr;
  QComboBox* fBisTag = nullptr;
  QComboBox* fBisStd = nullptr;
  QLineEdit* fBemerkung = nullptr;
  QRadioButton* fNeben = nullptr;
  QRadioButton* fUnter = nullptr;
  QRadioButton* fStundenLinks = nullptr;
  QRadioButton* fTageLinks = nullptr;
  std::vector<std::pair<QCheckBox*, bool TDruckEinstellung::*>> fHaken;
  QDateTimeEdit* fAb = nullptr;
  std::array<QSpinBox*, 4> fRand{};
  TSchriftFeld* fSchriftFeld = nullptr;
  QLabel* fAuswahlFeld = nullptr;
  QPushButton* fOk = nullptr;
  QPushButton* fAnsehenKnopf = nullptr;
  QPushButton* fAuswahlKnopf = nullptr;
};

}  // namespace orbato
