#include "platform/qtzwischenablage.h"

#include <QClipboard>
#include <QGuiApplication>

#include "platform/qttext.h"

namespace orbato {

std::string TQtZwischenablage::HoleText() const {
  return ModellText(QGuiApplication::clipboard()->text());
}

void TQtZwischenablage::SetzeText(std::string_view text) {
  QGuiApplication::clipboard()->setText(QtText(text));
}

}  // namespace orbato
