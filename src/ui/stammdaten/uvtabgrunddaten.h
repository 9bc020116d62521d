#pragma once

#include <functional>
#include <vector>

#include "model/elemente/kuerzelart.h"
#include "ui/stammdaten/grunddatenfenster.h"

class QLabel;
class QRadioButton;

namespace orbato {

class TUVTab;

// The set-up window of a teaching-distribution table: which classes and subjects (or teachers
// and classes) it shows, and which way round. Two lists side by side, each with a button that
// adds members; a double-click with the delete tool takes one out again.
class TUVGrForm : public TGrForm {
  Q_OBJECT

 public:
  TUVGrForm(TSchule& schule, TStandard& standard, TUVTab* tabelle);

  // The kind of element the left (0) or right (1) list holds in the table's orientation.
  TKuerzelArt SeitenArt(int seite) const;
  // The button of a list: the menu of that kind; with Ctrl a multiple choice.
  void NeuKlick(int seite, bool ctrl);
  TMenu NeuMenu(int seite);
  void Doppelklick(int seite, int zeile);
  // "Klassen/Fächer" (true) or "Lehrer/Klassen" (false).
  void AusrichtungSetzen(bool istFach);

  // The multiple choice over every element of a kind; tests replace it.
  std::function<std::vector<TElement*>(TKuerzelArt)> fWaehlen;

  QRadioButton* fKlassenFaecher;
  QRadioButton* fLehrerKlassen;
  QLabel* fTitel[2];
  QListWidget* fListe[2];
  QPushButton* fNeu[2];
  QPushButton* fMatrix;

 protected:
  void Anzeigen() override;

 private:
  void Aufnehmen(TElement* element);

  TUVTab* fTab;
};

}  // namespace orbato
