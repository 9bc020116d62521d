#pragma once

#include <QDialog>
#include <QTimer>
#include <memory>

class QLabel;
class QPushButton;

namespace orbato {

class TParRaster;
class TParSuche;

// "Suche Lösung": runs the search over the grid in slices from the event loop, so that the window
// answers between candidates, and shows "Kombination Nr." with the arrangements found. At its end
// the last arrangement goes into the grid and the window closes. "Anhalten" stops a running
// search the same way but leaves the window open; a further "Anhalten" closes it.
class TParSuchForm : public QDialog {
  Q_OBJECT

 public:
  explicit TParSuchForm(TParRaster& raster, QWidget* eltern = nullptr);
  ~TParSuchForm() override;

  QPushButton* fStart;
  QPushButton* fAnhalten;
  QLabel* fZaehler;
  bool Laeuft() const { return fTakt.isActive(); }
  // Closing the window stops a running search as "Anhalten" does.
  void reject() override;

 private:
  void Starten();
  void Anhalten();
  void Scheibe();
  void Beenden();

  TParRaster& fRaster;
  std::unique_ptr<TParSuche> fSuche;
  QTimer fTakt;
  bool fBeendet = false;
};

}  // namespace orbato
