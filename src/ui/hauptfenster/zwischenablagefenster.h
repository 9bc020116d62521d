#pragma once

#include <QPlainTextEdit>

#include "model/fenster/fenstertyp.h"
#include "model/schnittstellen/fenster.h"

namespace orbato {

// "Zwischenablage": the text on the clipboard, kept current while the window is open, so that
// the planner sees what copying a list or a plan gave.
class TZwischenablageFenster : public QPlainTextEdit, public Fenster {
  Q_OBJECT

 public:
  explicit TZwischenablageFenster(QWidget* eltern = nullptr);

  void FensterUpdate() override;
  void FensterRefresh() override { FensterUpdate(); }
  void FensterSchliessen() override { close(); }
  void FensterNachVorn() override { raise(); }
  int FensterArt() const override { return Nr(TFensterTyp::Zwischenablage); }
  std::string FensterTitel() const override { return FensterTypTitel(TFensterTyp::Zwischenablage); }
};

}  // namespace orbato
