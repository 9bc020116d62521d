#pragma once

namespace orbato {

struct TLauf;

// `orbato qualitaet EIN.orb [--woche N]`: the quality figures of one plan version (the current
// one unless --woche names another) as one JSON object.
int Qualitaet(TLauf& lauf);

}  // namespace orbato
