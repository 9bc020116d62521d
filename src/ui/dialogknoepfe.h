#pragma once

class QDialog;
class QDialogButtonBox;
class QPushButton;

namespace orbato {

// "Ok" (the default button) and "Abbrechen" for a dialog, wired to accept and reject.
QDialogButtonBox* OkAbbrechen(QDialog* dialog);
// The "Ok" of such a box.
QPushButton* OkKnopf(QDialogButtonBox* knoepfe);

}  // namespace orbato
