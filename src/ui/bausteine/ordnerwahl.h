#pragma once

#include <QString>
#include <memory>

class QFileDialog;
class QWidget;

namespace orbato {

// The dialog that asks for a folder the program is to make, such as the folder of a publication:
// it lists folders only and asks for the new folder's name rather than a file's. A folder dialog
// would not do, since it accepts only folders that exist already.
std::unique_ptr<QFileDialog> NeuerOrdnerDialog(QWidget* eltern, const QString& titel,
                                               const QString& vorschlag);

// Shows NeuerOrdnerDialog and answers the chosen path, empty when cancelled.
QString NeuenOrdnerWaehlen(QWidget* eltern, const QString& titel, const QString& vorschlag);

}  // namespace orbato
