#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <functional>
#include <string>

#include "model/einstellungen/standard.h"

class QCheckBox;
class QComboBox;
class QPushButton;
class QSpinBox;
class QTextBrowser;

namespace orbato {

// "HTML-Farben": the look of the published pages. Colour buttons, the font and its size, a preview
// of a timetable and a substitution table in the stylesheet of the chosen look, whether the exports
// write that stylesheet beside the pages they publish, and "Stylesheet schreiben..." for an
// "orbato.css" anywhere else. "Ok" stores the look, the choice, the folder written to and the
// colour dialog's custom colours; "Abbrechen" none of them; "Standard" shows the built-in look.
class THTMLFarbenDialog : public QDialog {
  Q_OBJECT

 public:
  // The colours, in the order of their buttons.
  enum TFarbe {
    kHintergrund,
    kText,
    kUeberschrift,
    kVerweis,
    kTitelHintergrund,
    kTitelText,
    kPlanHintergrund,
    kPlanText,
    kPlanRahmen,
    kAdhocHintergrund,
    kAdhocText,
    kFarbenZahl
  };

  THTMLFarbenDialog(TStandard& standard, QWidget* eltern = nullptr);

  // The look as the fields show it now.
  const THTMLFarben& Farben() const { return fFarben; }
  QPushButton* FarbKnopf(TFarbe f) const { return fFarbKnoepfe[f]; }
  QComboBox* Schriftart() const { return fSchriftart; }
  QSpinBox* Groesse() const { return fGroesse; }
  QCheckBox* TitelFett() const { return fTitelFett; }
  // "Stylesheet orbato.css mit den Seiten schreiben"
  QCheckBox* MitDenSeiten() const { return fMitDenSeiten; }
  QTextBrowser* Vorschau() const { return fVorschau; }

  // Asks for the folder the stylesheet goes into, starting in the one given; empty when
  // cancelled. A directory dialog unless replaced.
  std::function<QString(const QString& start)> fOrdnerWaehlen;

  void accept() override;

 private:
  QWidget* Farbgruppe(const QString& titel, std::initializer_list<TFarbe> farben);
  int32_t& Wert(TFarbe f);
  void FarbeWaehlen(TFarbe f);
  void StandardZeigen();
  void FelderZeigen();
  void Uebernehme();
  void VorschauZeigen();
  void StilvorlageSchreiben();

  TStandard& fStandard;
  THTMLFarben fFarben;
  std::string fPfad;
  std::array<std::string, 16> fEigeneFarben;
  std::array<QPushButton*, kFarbenZahl> fFarbKnoepfe{};
  QComboBox* fSchriftart = nullptr;
  QSpinBox* fGroesse = nullptr;
  QCheckBox* fTitelFett = nullptr;
  QCheckBox* fMitDenSeiten = nullptr;
  QTextBrowser* fVorschau = nullptr;
};

}  // namespace orbato
