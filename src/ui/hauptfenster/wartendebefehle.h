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
// they came. Nor does a command run inside the event loop of a dialog that is still executing:
// a dialog that has just closed is hidden before its exec() returns, and the code after it may
// still use the window that holds the dialog on its stack.
class TWartendeBefehle : public QObject {
 public:
  explicit TWartendeBefehle(QObject* eltern);

  void Ausfuehren(std::function<void()> befehl);
  // No command waits and none of those that waited is still running.
  bool Leer() const { return fBefehle.empty() && fLaufend == 0; }
  // Whether a command of the document is still under way. A dialog it shows ends its own event
  // loop before the command ends, and a waiting command run there could close the document under
  // it; so the waiting ones wait for the end of that command too.
  std::function<bool()> fBeschaeftigt;
  // Whether a command would wait now: a pop-up menu is open.
  static bool Verschachtelt();
  // Whether the program is idle: no pop-up menu, no dialog, no operation under way. Timers that
  // start something of their own wait for it, as the commands here do.
  static bool Ruhig();

 private:
  void Nachholen();
  // Whether the program is back in the event loop it idles in: the main window's, or a test's
  // while it waits; the lowest loop seen is that one.
  bool InGrundschleife();

  QTimer fTakt;
  std::vector<std::function<void()>> fBefehle;
  int fLaufend = 0;
  // Quiet at the last tick already. A dialog that has just closed is hidden before its exec()
  // has returned, and a command run in that moment could delete the window that holds the dialog
  // on its stack; one tick later the dialog's event loop has ended.
  bool fRuhigGesehen = false;
  int fGrundEbene;
};

}  // namespace orbato
