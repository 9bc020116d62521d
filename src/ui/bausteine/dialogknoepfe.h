#pragma once

#include <functional>

class QDialog;
class QWidget;
class QDialogButtonBox;
class QPushButton;

namespace orbato {

// "Ok" (the default button) and "Abbrechen" for a dialog, wired to accept and reject.
QDialogButtonBox* OkAbbrechen(QDialog* dialog);
// The "Ok" of such a box.
QPushButton* OkKnopf(QDialogButtonBox* knoepfe);

// The button row of a print dialog: "Ok" (the default, accepting), "Ansehen" (the call) and
// "Abbrechen" (rejecting), on the right of `reihe`.
struct TDruckKnoepfe {
  QWidget* reihe;
  QPushButton* ok;
  QPushButton* ansehen;
  QPushButton* abbrechen;
};
TDruckKnoepfe DruckKnoepfe(QDialog* dialog, std::function<void()> ansehen);

}  // namespace orbato
