#pragma once

namespace orbato {

struct TLauf;

// `orbato fehlt EIN.orb AUS.orb DATUM ART KUERZEL STUNDEN [--grund X] [--bis JJJJ-MM-TT]`: one
// element's absence on DATUM entered through the absence window, as its "Ok" commits it, and with
// --bis on the following school days as the long-absence dialog enters them; saves to AUS.orb.
int Fehlt(TLauf& lauf);

}  // namespace orbato
