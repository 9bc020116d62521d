#pragma once

#include <QMainWindow>
#include <memory>

#include "model/schule.h"
#include "model/standard.h"
#include "model/uhr.h"
#include "persist/einstellungsspeicher.h"

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

 protected:
  void closeEvent(QCloseEvent* ereignis) override;

 private:
  void ErzeugeMenues();
  void FaerbeHintergrund();

  Einstellungsspeicher& fSpeicher;
  std::unique_ptr<TStandard> fStandard;
  std::unique_ptr<TSchule> fSchule;
  std::unique_ptr<TStandardEinsetzen> fStandardEingesetzt;
  std::unique_ptr<TSchuleEinsetzen> fSchuleEingesetzt;
  bool fGesichert = false;
};

}  // namespace orbato
