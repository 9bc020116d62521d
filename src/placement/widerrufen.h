#pragma once

namespace orbato {

class TUndoElement;
class TUndoProtokoll;

// Replays one journal entry in reverse with recording off: a removed lesson is placed again, a
// placed one removed. Entries without a course do nothing.
void UndoIt(TUndoProtokoll& protokoll, const TUndoElement& eintrag);
// "Widerrufen Protokoll": every entry from the newest to the oldest is replayed and deleted; the
// journal's two commands are then disabled.
void WiderrufenProtokoll(TUndoProtokoll& protokoll);

}  // namespace orbato
