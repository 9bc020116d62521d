#include "ui/hauptfenster/wartendebefehle.h"

#include <QApplication>
#include <QPointer>
#include <QThread>
#include <QWidget>
#include <algorithm>
#include <limits>

#include "ui/hauptfenster/eingabepause.h"
#include "ui/hauptfenster/menuedaten.h"

namespace orbato {

namespace {

int SchleifenEbene() {
  return QThread::currentThread()->loopLevel();
}

}  // namespace

TWartendeBefehle::TWartendeBefehle(QObject* eltern)
    : QObject(eltern), fGrundEbene(std::numeric_limits<int>::max()) {
  fTakt.setInterval(10);
  connect(&fTakt, &QTimer::timeout, this, &TWartendeBefehle::Nachholen);
  // The first event the program handles comes from the loop it idles in.
  QTimer::singleShot(0, this, [this] { InGrundschleife(); });
}

bool TWartendeBefehle::InGrundschleife() {
  fGrundEbene = std::min(fGrundEbene, SchleifenEbene());
  return SchleifenEbene() <= fGrundEbene;
}

bool TWartendeBefehle::Verschachtelt() {
  return ElementMenuOffen() || QApplication::activePopupWidget() != nullptr;
}

bool TWartendeBefehle::Ruhig() {
  return !Verschachtelt() && QApplication::activeModalWidget() == nullptr && !EingabenPausieren();
}

void TWartendeBefehle::Ausfuehren(std::function<void()> befehl) {
  if (!Verschachtelt() && fBefehle.empty() && !(fBeschaeftigt && fBeschaeftigt()) &&
      SchleifenEbene() <= fGrundEbene) {
    befehl();
    return;
  }
  // Closing a pop-up ends its event loop; a menu that refuses to close is left to the user.
  for (int i = 0; i < 8; ++i) {
    QWidget* popup = QApplication::activePopupWidget();
    if (popup == nullptr) break;
    popup->close();
  }
  fBefehle.push_back(std::move(befehl));
  fTakt.start();
}

void TWartendeBefehle::Nachholen() {
  if (!Ruhig() || (fBeschaeftigt && fBeschaeftigt()) || !InGrundschleife()) {
    fRuhigGesehen = false;
    return;
  }
  if (!fRuhigGesehen) {
    fRuhigGesehen = true;
    return;
  }
  fRuhigGesehen = false;
  fTakt.stop();
  const auto befehle = std::move(fBefehle);
  fBefehle.clear();
  // A command may end the program and with it this queue.
  const QPointer<TWartendeBefehle> selbst(this);
  ++fLaufend;
  for (const auto& befehl : befehle) befehl();
  if (selbst) --fLaufend;
}

}  // namespace orbato
