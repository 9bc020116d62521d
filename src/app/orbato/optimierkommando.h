#pragma once

namespace orbato {

struct TLauf;

// `orbato optimieren EIN.orb AUS.orb [--sekunden N] [--gewichte DATEI]`: "Optimieren" over every
// course in the current plan version, with the weights of the settings or of an INI file (its key
// [Tevi36], the names the settings use); saves the result and prints the figures before and after.
int Optimieren(TLauf& lauf);

}  // namespace orbato
