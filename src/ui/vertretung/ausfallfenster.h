#pragma once

#include <QWidget>
#include <functional>

#include "model/elemente/kuerzelart.h"

#include "substitution/wochenausfall.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace orbato {

class TSchule;
class TStandard;

// "wöchentlicher Unterrichtsausfall": week and year, the range of dates and the report of that
// week, which the core computes on every change and on "Rechnen". "VÜK" and "VÜL" lead to the
// substitution overviews of classes and teachers for the same range.
class TWoAusfallForm : public QWidget {
  Q_OBJECT

 public:
  TWoAusfallForm(const TSchule& schule, TStandard& standard, QWidget* eltern = nullptr);

  TWochenAusfall& Ausfall() { return fAusfall; }
  QSpinBox* KW() const { return fKW; }
  QSpinBox* Jahr() const { return fJahr; }
  QLabel* Bereich() const { return fBereich; }
  QPlainTextEdit* Bericht() const { return fBericht; }
  QPushButton* Knopf(const QString& text) const;
  // How "VÜK" (kla) and "VÜL" (leh) open the overview of the week's Monday to Sunday.
  std::function<void(TKuerzelArt art, TDatumZeit von, TDatumZeit bis)> fUebersicht;
  QSize sizeHint() const override;

 protected:
  void closeEvent(QCloseEvent* ereignis) override;

 private:
  void Zeigen();
  void UebersichtZeigen(TKuerzelArt art);

  TWochenAusfall fAusfall;
  QSpinBox* fKW;
  QSpinBox* fJahr;
  QLabel* fBereich;
  QPlainTextEdit* fBericht;
};

}  // namespace orbato
