#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <vector>

namespace orbato {

// Main-menu commands whose shortcut is pressed while a pop-up menu is open. The pop-up runs its
// own event loop inside the window that opened it, and a command run from there could close that
// window or the whole document under it. So the pop-up closes without a choice, and the command
// waits until no pop-up menu and no dialog is open any more; then the commands run in the order
// they came.
class TWartendeBefehle : public QObject {
 public:
  explicit TWartendeBefehle(QObject* eltern);

  void Ausfuehren(std::function<void()> befehl);
  // Whether a command would wait now: a pop-up menu is open.
  static bool Verschachtelt();
  // Whether the program is idle: no pop-up menu, no dialog, no operation under way. Timers that
  // start something of their own wait for it, as the commands here do.
  static bool Ruhig();

 private:
  void Nachholen();

  QTimer fTakt;
  std::vector<std::function<void()>> fBefehle;
};

}  // namespace orbato
