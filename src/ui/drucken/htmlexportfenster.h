#pragma once

#include <QDialog>
#include <string>

#include "model/schnittstellen/dialoge.h"

class QLabel;
class QProgressBar;

namespace orbato {

class TOrbatoPalette;
class TSchule;

// "Exportieren in HTML-Dateien": the window the timetable pages are written under. It shows the
// folder's name, the short name of the element being written and a bar over the elements of the
// kind. It stands in for the program's dialogs during the export: questions and messages go on
// to `fragen`, the progress is its own, so that one window stays open from the first page to the
// last.
class THTMLExportFenster : public QDialog, public Dialoge {
  Q_OBJECT

 public:
  explicit THTMLExportFenster(Dialoge& fragen, QWidget* eltern = nullptr);

  // Writes the pages of the school's current plan version into the new folder `ordner`; false
  // when the folder could not be made (after the warning). A file error passes as TStreamFehler.
  bool ExportToFile(const TSchule& schule, const std::string& ordner);

  QLabel* OrdnerText() const { return fOrdner; }
  QLabel* ElementText() const { return fElement; }
  QProgressBar* Balken() const { return fBalken; }

  int Frage(std::string_view titel, const std::vector<std::string>& zeilen,
            const std::vector<std::string>& knoepfe,
            TMeldungsArt art = TMeldungsArt::Frage) override;
  int FrageMitListe(std::string_view titel, const std::vector<std::string>& zeilen,
                    const std::vector<std::string>& eintraege,
                    const std::vector<std::string>& knoepfe, int standard,
                    TMeldungsArt art = TMeldungsArt::Frage) override;
  void Nachricht(std::string_view titel, const std::vector<std::string>& zeilen,
                 TMeldungsArt art) override;
  void MeldungZeigen(std::string_view text, std::string_view titel = "Meldung") override;
  void MeldungAendern(std::string_view text) override;
  void MeldungSchliessen() override;
  // A new start keeps the window where it is and only sets the bar's range anew.
  void FortschrittBeginnen(std::string_view titel, int maximum) override;
  void FortschrittText(std::string_view text) override;
  void FortschrittInfo(std::string_view text) override;
  void FortschrittSetzen(int position) override;
  void FortschrittSchritt(int schritte = 1) override;
  // The export cannot be cancelled; the window is only given the chance to paint.
  bool Abgebrochen() override;
  void FortschrittBeenden() override;
  void Piep() override;

 private:
  Dialoge& fFragen;
  QLabel* fOrdner;
  QLabel* fElement;
  QProgressBar* fBalken;
};

// "Datei" / "Export" / "HTML-Dateien...": the new folder's name is asked in "Exportieren in den
// Ordner", starting in fHTMLPlanPfad, whose place the chosen folder's parent takes; then the pages
// are written under the export window and a message says how many went where. False when nothing
// was written; a file error is shown.
bool PlanHTMLExportieren(TOrbatoPalette& palette);

// "N Seiten veröffentlicht im Ordner" with the folder, and a button that opens it.
void VeroeffentlichtMelden(Dialoge& dialoge, const QString& ordner, std::size_t seiten);

}  // namespace orbato
