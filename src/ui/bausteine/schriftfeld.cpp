#include "ui/bausteine/schriftfeld.h"

#include <QFontDialog>

#include "platform/qttext.h"

namespace orbato {

TSchriftFeld::TSchriftFeld(const TSchrift& schrift, QWidget* eltern) : QPushButton(eltern) {
  SetSchrift(schrift);
  connect(this, &QPushButton::clicked, this, &TSchriftFeld::Waehlen);
}

void TSchriftFeld::SetSchrift(const TSchrift& schrift) {
  fSchrift = schrift;
  setText(QStringLiteral("%1, %2 pt").arg(QtText(fSchrift.Name)).arg(fSchrift.Groesse));
}

void TSchriftFeld::Waehlen() {
  QFont schrift = QtSchrift(fSchrift);
  bool gewaehlt = false;
  if (fSchriftWaehlen) {
    gewaehlt = fSchriftWaehlen(schrift);
  } else {
    schrift = QFontDialog::getFont(&gewaehlt, schrift, this, QStringLiteral("Schrift"));
  }
  if (gewaehlt) SetSchrift(ModellSchrift(schrift));
}

}  // namespace orbato
