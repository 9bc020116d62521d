#include "ui/bausteine/ordnerwahl.h"

#include <QFileDialog>

namespace orbato {

std::unique_ptr<QFileDialog> NeuerOrdnerDialog(QWidget* eltern, const QString& titel,
                                               const QString& vorschlag) {
  auto dialog = std::make_unique<QFileDialog>(eltern, titel, vorschlag);
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  dialog->setFileMode(QFileDialog::AnyFile);
  // Qt's own dialog: a native one would ignore the labels and ask for a file again.
  dialog->setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontConfirmOverwrite |
                     QFileDialog::DontUseNativeDialog);
  dialog->setNameFilter(QStringLiteral("Ordner (*)"));
  dialog->setLabelText(QFileDialog::FileName, QStringLiteral("Neuer &Ordner:"));
  dialog->setLabelText(QFileDialog::FileType, QStringLiteral("Art:"));
  dialog->setLabelText(QFileDialog::Accept, QStringLiteral("&Anlegen"));
  return dialog;
}

QString NeuenOrdnerWaehlen(QWidget* eltern, const QString& titel, const QString& vorschlag) {
  const std::unique_ptr<QFileDialog> dialog = NeuerOrdnerDialog(eltern, titel, vorschlag);
  if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return {};
  return dialog->selectedFiles().constFirst();
}

}  // namespace orbato
