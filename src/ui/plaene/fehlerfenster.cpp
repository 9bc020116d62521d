#include "ui/plaene/fehlerfenster.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QVBoxLayout>

#include "model/fenster/fenstertyp.h"
#include "platform/qttext.h"

namespace orbato {

TFehlerForm::TFehlerForm() : fText(new QPlainTextEdit) {
  setWindowTitle(QtText(FensterTypTitel(TFensterTyp::Fehler)));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  fText->setReadOnly(true);
  fText->setLineWrapMode(QPlainTextEdit::NoWrap);
  layout->addWidget(fText);
  resize(520, 300);
}

void TFehlerForm::NeuerFehler(const QString& zeile) {
  fText->appendPlainText(zeile);
}

QStringList TFehlerForm::Zeilen() const {
  QStringList zeilen;
  if (fText->document()->isEmpty()) return zeilen;
  for (QTextBlock b = fText->document()->begin(); b.isValid(); b = b.next()) zeilen << b.text();
  return zeilen;
}

void TFehlerFenster::FehlerInit() {
  if (fForm) return;
  fForm = new TFehlerForm;
  fZeigen(fForm);
}

void TFehlerFenster::NeuerFehler(std::string_view zeile) {
  if (!fForm) FehlerInit();
  fForm->NeuerFehler(QtText(zeile));
}

}  // namespace orbato
