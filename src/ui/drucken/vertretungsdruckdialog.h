#pragma once

#include <QDialog>
#include <QFont>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "model/basis/datum.h"
#include "model/einstellungen/standard.h"

class QCheckBox;
class QDateEdit;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace orbato {

class TSchriftFeld;
// "Drucke Vertretungsplan": the date, the general remark, which of the four layouts are ticked,
// the font and margin of the printout, and the buttons that print, preview or export the
// substitutions of the date. The dialog only gathers: the outputs are the calls its opener puts
// into the four members below, and a button whose call is unset stays hidden. Before any call,
// and on "Schließen", the ticks, the remark, the font and the margin go into the settings, so
// that the outputs read them there.
class TVertrDruckDialog : public QDialog {
  Q_OBJECT

 public:
  TVertrDruckDialog(TStandard& standard, TDatumZeit datum, QWidget* eltern = nullptr);

  // An output for the date (at noon) and the lines of the remark.
  using TAusgabe = std::function<void(TDatumZeit datum, const std::vector<std::string>& zeilen)>;
  TAusgabe fAlsHTML;  // "als HTML-Datei"
  TAusgabe fHTML4;    // "HTML 4"
  TAusgabe fDrucken;  // "Drucken"
  TAusgabe fAnsehen;  // "Ansehen"

  // The date the date field shows, at noon.
  TDatumZeit Datum() const;
  // The remark's lines in file code; a final line break ends the last line, it does not start an
  // empty one.
  std::vector<std::string> Zeilen() const;
  // Writes the ticks, the remark, the font and the margin into the settings.
  void Uebernehmen();
  // Shows the buttons whose call is set; showing the dialog does this too.
  void KnoepfeAbgleichen();
  void accept() override;

  QDateEdit* DatumFeld() const { return fDatumFeld; }
  QLabel* Wochentag() const { return fWochentag; }
  QPlainTextEdit* Bemerkung() const { return fBemerkung; }
  // Layout i (1..4): its tick and its button "Einstellung i".
  QCheckBox* Haken(int i) const { return fHaken[static_cast<std::size_t>(i - 1)]; }
  QPushButton* EinstellungKnopf(int i) const {
    return fEinstellung[static_cast<std::size_t>(i - 1)];
  }
  // The font button; a test puts its answer into its fSchriftWaehlen.
  TSchriftFeld* SchriftFeld() const { return fSchriftFeld; }
  QSpinBox* Rand() const { return fRand; }
  QPushButton* AlsHTMLKnopf() const { return fAlsHTMLKnopf; }
  QPushButton* HTML4Knopf() const { return fHTML4Knopf; }
  QPushButton* DruckenKnopf() const { return fDruckenKnopf; }
  QPushButton* AnsehenKnopf() const { return fAnsehenKnopf; }
  QPushButton* SchliessenKnopf() const { return fSchliessenKnopf; }

 protected:
  void showEvent(QShowEvent* ereignis) override;

 private:
  QWidget* DatumUndBemerkung();
  QWidget* Einstellungen();
  QWidget* Druckbild();
  QWidget* Knoepfe();
  QPushButton* Ausgabe(const QString& text, TAusgabe TVertrDruckDialog::*ausgabe);
  void EinstellungZeigen(int i);
  void WochentagZeigen();

  TStandard& fStandard;
  QDateEdit* fDatumFeld = nullptr;
  QLabel* fWochentag = nullptr;
  QPlainTextEdit* fBemerkung = nullptr;
  std::array<QCheckBox*, 4> fHaken{};
  std::array<QPushButton*, 4> fEinstellung{};
  TSchriftFeld* fSchriftFeld = nullptr;
  QSpinBox* fRand = nullptr;
  QPushButton* fAlsHTMLKnopf = nullptr;
  QPushButton* fHTML4Knopf = nullptr;
  QPushButton* fDruckenKnopf = nullptr;
  QPushButton* fAnsehenKnopf = nullptr;
  QPushButton* fSchliessenKnopf = nullptr;
};

}  // namespace orbato
