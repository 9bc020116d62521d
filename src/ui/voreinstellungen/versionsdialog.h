#pragma once

#include <QDialog>

#include "placement/versionswahl.h"

class QButtonGroup;
class QCheckBox;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace orbato {

// "Voreinstellung für Planversionen": the view of TVersionsWahl. "Kopieren" copies at once with the
// choices as they stand and leaves the dialog open; "Ok" keeps the choices and the mode.
class TVersionsDialog : public QDialog {
  Q_OBJECT

 public:
  TVersionsDialog(TSchule& schule, TStandard& standard, QWidget* eltern = nullptr);

  const TVersionsWahl& Wahl() const { return fWahl; }
  // Whether "Ok" changed the single-version mode.
  bool ModusGeaendert() const { return fModusGeaendert; }
  QListWidget* Liste() const { return fListe; }
  QPushButton* KopierenKnopf() const { return fKopieren; }
  void accept() override;

 private:
  // Another kind lists its elements, none chosen.
  void WasGewaehlt(int was);
  void ListeFuellen();
  void VersionenGeaendert();
  void Kopieren();

  TVersionsWahl fWahl;
  QButtonGroup* fWas;
  QListWidget* fListe;
  QButtonGroup* fUmfang;
  QSpinBox* fVon;
  QSpinBox* fZu;
  QPushButton* fKopieren;
  QCheckBox* fGleichzeitig;
  bool fModusGeaendert = false;
};

}  // namespace orbato
