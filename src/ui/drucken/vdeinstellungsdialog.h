#pragma once

#include <QDialog>
#include <functional>

#include "model/einstellungen/standard.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QToolButton;

namespace orbato {

// "Einstellung N": one of the four layouts of the substitution printout and its pages, worked on
// as a copy. "Ok" writes the copy back into the layout it was opened on; "Abbrechen" leaves that
// layout as it was.
class TVDEinstellungsDialog : public QDialog {
  Q_OBJECT

 public:
  // `nummer` (1..4) only names the dialog.
  TVDEinstellungsDialog(TVDEinstellung& einstellung, int nummer, QWidget* eltern = nullptr);

  // The layout as the fields show it.
  TVDEinstellung Werte() const;
  void accept() override;

  // A check box by its caption inside a group ("" for those outside any group): {"Originalkurs",
  // "mit Fach"}; none when absent.
  QCheckBox* Schalter(const QString& gruppe, const QString& text) const;
  QComboBox* PlanSortierung() const { return fPlanSortierung; }
  QComboBox* ErsatzSortierung() const { return fErsatzSortierung; }
  QLineEdit* HTMLPfad() const { return fHTMLPfad; }
  QToolButton* PfadKnopf() const { return fPfadKnopf; }
  // The choice groups; the id of a button is the stored value.
  QButtonGroup* LehrerBezeichnung() const { return fLehrerBezeichnung; }
  QButtonGroup* Bemerkung() const { return fBemerkung; }
  QButtonGroup* BemerkungPosition() const { return fBemerkungPosition; }

  // How "..." asks for the HTML file: the save dialog, or what a test puts in its place.
  // Answers the chosen path, empty when cancelled.
  std::function<QString(const QString& vorschlag)> fDateiWaehlen;

 private:
  QGroupBox* Teil(const QString& titel, bool drucken, QComboBox*& sortierung,
                  const QStringList& ordnungen, int ordnung);
  QGroupBox* Kurs(const QString& titel, bool lehrer, bool klasse, bool fach, bool raum);
  QWidget* Optionen();
  QWidget* Datei();
  QGroupBox* Wahl(const QString& titel, const QStringList& texte, int wert, QButtonGroup*& gruppe);
  QCheckBox* NeuerSchalter(const QString& text, bool wert, QWidget* eltern);
  void PfadWaehlen();
  bool An(const QString& gruppe, const QString& text) const;

  TVDEinstellung& fEinstellung;
  QComboBox* fPlanSortierung = nullptr;
  QComboBox* fErsatzSortierung = nullptr;
  QLineEdit* fHTMLPfad = nullptr;
  QToolButton* fPfadKnopf = nullptr;
  QButtonGroup* fLehrerBezeichnung = nullptr;
  QButtonGroup* fBemerkung = nullptr;
  QButtonGroup* fBemerkungPosition = nullptr;
};

}  // namespace orbato
