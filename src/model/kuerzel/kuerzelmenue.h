#pragma once

#include <functional>

#include "model/elemente/kuerzelart.h"
#include "model/schnittstellen/menue.h"

namespace orbato {

class Dialoge;
class TElement;
class TSchule;
class TStandard;

// The short-name menu of one kind ("Le", "Kl", "Ko", "Fa", "Ra", "UV"): one entry per element of
// the document's list, in list order, captioned with the short name and tagged with its 1-based
// position, broken into columns of MenuSpaltenLaenge(n). Each element's fReihe is set to that
// position on the way. With `mitOhne` (the pop-up variants of teachers, couplings and rooms) the
// menu begins with an entry "ohne" tagged 0, which chooses none; it does not count for the columns.
TMenu KuerzelMenu(TSchule& schule, TKuerzelArt art, const std::function<void(TElement*)>& waehlen,
                  bool mitOhne = false);

// All six short-name menus, built under the message window "Das Kürzelmenu wird angelegt.".
struct TKuerzelMenues {
  TMenu fLe, fKl, fKo, fFa, fRa, fUV;
  const TMenu& Von(TKuerzelArt art) const;
};
TKuerzelMenues KuerzelMenuesAnlegen(TSchule& schule, Dialoge& dialoge,
                                    const std::function<void(TElement*)>& oeffnen);

// The palette's plan-version menu: entries "1" .. fMaxWocheNeu tagged with the version, the
// current one checked, in columns of VersionsMenuSpaltenLaenge. Choosing one sets fAktuelleWoche
// and then calls `gewaehlt` (the shell refreshes the palette and every window).
TMenu VersionsMenu(TStandard& standard, const std::function<void(int)>& gewaehlt);

}  // namespace orbato
