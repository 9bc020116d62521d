#include "ui/hauptfenster/zwischenablagefenster.h"

#include <QClipboard>
#include <QGuiApplication>

#include "model/fenster/fenstertyp.h"
#include "platform/qttext.h"

namespace orbato {

TZwischenablageFenster::TZwischenablageFenster(QWidget* eltern) : QPlainTextEdit(eltern) {
  setWindowTitle(QtText(FensterTypTitel(TFensterTyp::Zwischenablage)));
  setReadOnly(true);
  setLineWrapMode(QPlainTextEdit::NoWrap);
  connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
          &TZwischenablageFenster::FensterUpdate);
  FensterUpdate();
}

void TZwischenablageFenster::FensterUpdate() {
  setPlainText(QGuiApplication::clipboard()->text());
}

}  // namespace orbato
