#include "ui/voreinstellungen/sicherungsdialog.h"

#include <QSpinBox>

#include "model/einstellungen/standard.h"

namespace orbato {

TSicherungsDialog::TSicherungsDialog(TStandard& standard, QWidget* eltern)
    : TVoreinstellungsDialog(QStringLiteral("Voreinstellung für Sicherung"), eltern),
      fStandard(standard) {
  fZeit = Zahl(QStringLiteral("Wiederherstellungsdatei alle"), "wiederherstellZeit", 0,
               TStandard::kMaxWiederherstellZeit, standard.fWiederherstellZeit);
  fZeit->setSuffix(QStringLiteral(" Minuten schreiben (0 = nie)"));
  fKopien = Zahl(QStringLiteral("Sicherungskopien NAME.orb.1 … behalten:"), "sicherungsKopien", 0,
                 TStandard::kMaxSicherungsKopien, standard.fSicherungsKopien);
}

void TSicherungsDialog::accept() {
  fStandard.fWiederherstellZeit = fZeit->value();
  fStandard.fSicherungsKopien = fKopien->value();
  QDialog::accept();
}

}  // namespace orbato
