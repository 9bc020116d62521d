#pragma once

#include <QMainWindow>
#include <QString>
#include <functional>
#include <memory>

#include "model/schule.h"
#include "model/standard.h"
#include "model/uhr.h"
#include "persist/einstellungsspeicher.h"
#include "ui/qtdialoge.h"

namespace orbato {

// The main window owns, for the whole run, the settings object and the school document. It loads
// the settings when it is created and writes them back when it finally closes.
class THauptfenster : public QMainWindow {
  Q_OBJECT

 public:
  THauptfenster(Einstellungsspeicher& speicher, const Uhr& uhr, QWidget* eltern = nullptr);
  ~THauptfenster() override;

  TStandard& standard() { return *fStandard; }
  TSchule& schule() { return *fSchule; }

  // Asks for the password when one is set; false when the program must end: a wrong entry or
  // "Abbrechen".
  bool KennwortPruefen();

  // Loads a plan file into a new document, which replaces the current one only when the whole
  // file was read; a failure shows its message and changes nothing.
  bool Oeffnen(const QString& pfad);
  // Writes the document back to the file it came from; false, with the message shown, on failure.
  bool Sichern();

  // How a failure reaches the user: a message box, or what a test puts in its place.
  std::function<void(const QString&)> fFehlerZeigen;

 protected:
  void closeEvent(QCloseEvent* ereignis) override;

 private:
  void ErzeugeMenues();
  void FaerbeHintergrund();
  // The document becomes the program's: installed, its dirty mark wired to "Sichern", its name
  // in the title.
  void DokumentEinsetzen(std::unique_ptr<TSchule> schule);
  void TitelSetzen();

  Einstellungsspeicher& fSpeicher;
  const Uhr& fUhr;
  TQtDialoge fDialoge{this};
  QString fPfad;
  QAction* fSichernAktion = nullptr;
  std::unique_ptr<TStandard> fStandard;
  std::unique_ptr<TSchule> fSchule;
  std::unique_ptr<TStandardEinsetzen> fStandardEingesetzt;
  std::unique_ptr<TSchuleEinsetzen> fSchuleEingesetzt;
  bool fGesichert = false;
};

}  // namespace orbato
