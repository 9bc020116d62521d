#pragma once

namespace orbato {

class TSchule;

// The two room clean-ups of the plans menu. Each warns first and runs only on "Ok", under a
// message window. The courses' room lists change, which the history cannot take back, so it is
// forgotten: undoing an older step could otherwise put a lesson back into a room its course no
// longer lists. Both answer whether they ran.

// "nicht belegte Räume": the window "alle Kurse" is closed, then every course gives up each room
// of its list that none of its placements uses.
bool UnbelegteRaeumeLoeschen(TSchule& schule);
// "später eingetragene Räume": every course gives up each room it adopted through the plan
// (fRaumErgaenzt); its placements in those rooms are left without a room.
bool ErgaenzteRaeumeLoeschen(TSchule& schule);

}  // namespace orbato
