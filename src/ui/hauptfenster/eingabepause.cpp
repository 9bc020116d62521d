#include "ui/hauptfenster/eingabepause.h"

#include <QApplication>

namespace orbato {
namespace {

int gPausen = 0;

}  // namespace

void ZeichnenOhneEingaben() {
  ++gPausen;
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  --gPausen;
}

bool EingabenPausieren() {
  return gPausen > 0;
}

}  // namespace orbato
