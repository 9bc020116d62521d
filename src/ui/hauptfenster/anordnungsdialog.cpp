#include "ui/hauptfenster/anordnungsdialog.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QRadioButton>

namespace orbato {

TAnordnungsDialog::TAnordnungsDialog(int anordnung, QWidget* eltern)
    : TVoreinstellungsDialog(QStringLiteral("Anordnung"), eltern), fArten(new QButtonGroup(this)) {
  const char* const arten[] = {"überlappend", "nebeneinander"};
  for (int art = 1; art <= 2; ++art) {
    auto* knopf = new QRadioButton(QString::fromUtf8(arten[art - 1]), this);
    knopf->setChecked(art == anordnung || (art == 1 && anordnung != 2));
    fArten->addButton(knopf, art);
    Formular()->addRow(knopf);
  }
}

int TAnordnungsDialog::Anordnung() const {
  return fArten->checkedId() == 2 ? 2 : 1;
}

}  // namespace orbato
