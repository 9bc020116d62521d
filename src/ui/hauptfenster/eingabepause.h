#pragma once

namespace orbato {

// Lets the windows paint in the middle of an operation without taking the user's input, which
// waits until the operation is over. Timers still run meanwhile; those that would start
// something of their own (the save reminder, the recovery file) ask `EingabenPausieren` first.
void ZeichnenOhneEingaben();
bool EingabenPausieren();

}  // namespace orbato
