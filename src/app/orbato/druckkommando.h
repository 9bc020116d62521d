#pragma once

namespace orbato {

struct TLauf;

// `orbato drucken ART EIN.orb AUS.pdf [--datum JJJJ-MM-TT]`: records the printout ART of the
// "Drucken" menu with its stored options and writes its pages as a vector PDF, one PDF page per
// recorded page, then prints "Seiten: N". The substitution printouts take the date (default
// today) and the layouts and remark lines their dialog stored. Needs Qt's GUI module: the
// program starts a GUI application without a display for this command only.
int DruckKommando(TLauf& lauf);

}  // namespace orbato
