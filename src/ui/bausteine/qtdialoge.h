#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>

#include "model/schnittstellen/dialoge.h"

class QLabel;
class QProgressBar;
class QWidget;

namespace orbato {

// The core's questions, messages and long-operation windows as Qt shows them: modal message
// boxes with the program's own buttons, a small non-modal message window and a progress window
// with a cancel button. Texts arrive in Windows-1252.
class TQtDialoge : public Dialoge {
 public:
  explicit TQtDialoge(QWidget* eltern = nullptr);
  ~TQtDialoge() override;
  TQtDialoge(const TQtDialoge&) = delete;
  TQtDialoge& operator=(const TQtDialoge&) = delete;

  int Frage(std::string_view titel, const std::vector<std::string>& zeilen,
            const std::vector<std::string>& knoepfe,
            TMeldungsArt art = TMeldungsArt::Frage) override;
  // A dialog of its own: the lines, a list widget with the rows, the buttons in a row.
  int FrageMitListe(std::string_view titel, const std::vector<std::string>& zeilen,
                    const std::vector<std::string>& eintraege,
                    const std::vector<std::string>& knoepfe, int standard,
                    TMeldungsArt art = TMeldungsArt::Frage) override;
  void Nachricht(std::string_view titel, const std::vector<std::string>& zeilen,
                 TMeldungsArt art) override;
  void MeldungZeigen(std::string_view text, std::string_view titel = "Meldung") override;
  void MeldungAendern(std::string_view text) override;
  void MeldungSchliessen() override;
  void FortschrittBeginnen(std::string_view titel, int maximum) override;
  void FortschrittText(std::string_view text) override;
  void FortschrittInfo(std::string_view text) override;
  void FortschrittSetzen(int position) override;
  void FortschrittSchritt(int schritte = 1) override;
  bool Abgebrochen() override;
  void FortschrittBeenden() override;
  void Piep() override;

  // The windows on screen now, for tests; none while closed.
  QDialog* MeldungsFenster() const { return fMeldung; }
  QDialog* FortschrittsFenster() const { return fFortschritt; }

 private:
  // Lets the windows paint during a long operation. Of the user's input only the progress
  // window's cancel button is taken meanwhile: a command or a closed window in the middle of the
  // operation would pull the data from under it.
  void Zeichne() const;

  QWidget* fEltern;
  QPointer<QDialog> fMeldung;
  QLabel* fMeldungsText = nullptr;
  QPointer<QDialog> fFortschritt;
  QLabel* fFortschrittText = nullptr;
  QLabel* fFortschrittInfo = nullptr;
  QProgressBar* fBalken = nullptr;
  bool fAbbruch = false;
};

// Closes a modal window the way that changes least: a message box by its escape button (its last
// button), any other dialog as if cancelled. For the picture tool and the tests.
void SchliesseOhneAenderung(QWidget* fenster);

}  // namespace orbato
