#pragma once

#include <QDialog>

#include "model/woche/zeiten.h"

class QSpinBox;
class QTableWidget;

namespace orbato {

// "Voreinstellung für Zeiten": the view of TZeitenWahl, periods 1 to 8 in the left table and 9 to
// 16 in the right one, each row "Stunde" and its "Zeit". "Ok" stores the labels of every version.
class TZeitenDialog : public QDialog {
  Q_OBJECT

 public:
  TZeitenDialog(TSchule& schule, TStandard& standard, QWidget* eltern = nullptr);

  const TZeitenWahl& Wahl() const { return fWahl; }
  // The table of periods 1..8 (0) or 9..16 (1).
  QTableWidget* Tabelle(int i) const { return fTabellen[i]; }
  QSpinBox* Version() const { return fVersion; }
  void accept() override;

 private:
  void Fuellen();
  void ZeitGeaendert(int tabelle, int zeile);

  TSchule& fSchule;
  TStandard& fStandard;
  TZeitenWahl fWahl;
  QSpinBox* fVersion;
  QTableWidget* fTabellen[2];
};

}  // namespace orbato
