#include "ui/hauptfenster/zwischenablagefenster.h"

#include <QClipboard>
#include <QGuiApplication>

namespace orbato {

TZwischenablageFenster::TZwischenablageFenster(QWidget* eltern) : QPlainTextEdit(eltern) {
  setWindowTitle(QStringLiteral("Zwischenablage"));
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
