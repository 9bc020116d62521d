#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace orbato {

class TStandard;

// "Einstellung für den HTML-Export des Vertretungsplans": one file or two, self-scrolling with
// its step and interval, the reload interval, a folder per day, only substituted lessons, the
// back link, the empty lines above and below, the stylesheet path and the size choice (which is
// only stored). "Ok" writes them into the settings through `Uebernehmen`.
class TVertrHTMLDialog : public QDialog {
  Q_OBJECT

 public:
  TVertrHTMLDialog(TStandard& standard, QWidget* eltern = nullptr);

  QRadioButton* Gemeinsam() const { return fGemeinsam; }
  QRadioButton* Getrennt() const { return fGetrennt; }
  QCheckBox* Scrollen() const { return fScrollen; }
  QSpinBox* ScrollSekunden() const { return fScrollSekunden; }
  QSpinBox* ScrollPixel() const { return fScrollPixel; }
  QSpinBox* Laden() const { return fLaden; }
  QCheckBox* MitTagesordner() const { return fMitTagesordner; }
  QCheckBox* NurVertretene() const { return fNurVertretene; }
  QCheckBox* MitZurueck() const { return fMitZurueck; }
  QSpinBox* Leerzeilen() const { return fLeerzeilen; }
  QLineEdit* CSS() const { return fCSS; }
  QComboBox* Groesse() const { return fGroesse; }

  void Uebernehmen();

 private:
  QSpinBox* Zahl(int wert, int bis);

  TStandard& fStandard;
  QRadioButton* fGemeinsam = nullptr;
  QRadioButton* fGetrennt = nullptr;
  QCheckBox* fScrollen = nullptr;
  QSpinBox* fScrollSekunden = nullptr;
  QSpinBox* fScrollPixel = nullptr;
  QSpinBox* fLaden = nullptr;
  QCheckBox* fMitTagesordner = nullptr;
  QCheckBox* fNurVertretene = nullptr;
  QCheckBox* fMitZurueck = nullptr;
  QSpinBox* fLeerzeilen = nullptr;
  QLineEdit* fCSS = nullptr;
  QComboBox* fGroesse = nullptr;
};

}  // namespace orbato
