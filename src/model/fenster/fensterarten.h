#pragma once

#include <optional>
#include <string_view>

#include "model/elemente/kuerzelart.h"
#include "model/fenster/fensterdaten.h"
#include "model/fenster/fenstertyp.h"

namespace orbato {

class TElement;
class TSchule;

// What the kind number of a document window says, read from the table of kinds.

// The element kind of an element window (plan, teaching-load and master-data windows); none for
// the other kinds.
std::optional<TKuerzelArt> FensterElementArt(int fensterArt);
// The palette's window kind the window belongs to: master data, teaching load or plans; none
// for the windows outside the three groups.
std::optional<TFensterArt> FensterPaletteArt(int fensterArt);
// Whether a window of the kind is reopened when its plan file is loaded.
bool FensterWiederOeffnen(int fensterArt);

// Whether the tool (0 Zeigen … 4 Fixieren) does anything in a window of the kind: every tool in
// the plan windows, the overviews, the grid of parallel couplings and in manual planning, all but
// fixing in the teaching-load windows and the course window, showing, setting and deleting in the
// master-data windows, only showing elsewhere. With no window active (kind 0) every tool may be
// chosen.
bool WerkzeugErlaubt(int fensterArt, int werkzeug);

// The kind of the element's window that the palette's window kind opens. A distribution table's
// matrix stands for both its plan and its teaching-load window.
TFensterTyp ElementFensterTyp(TKuerzelArt art, TFensterArt fensterArt);

// The element a saved element window showed: the title without everything up to and including
// its first blank, compared exactly with the short names of the kind. None when no element has
// that name or the kind shows no element.
TElement* FensterElement(const TSchule& schule, const TFenster& satz);
// The element of the kind with exactly that short name; none when there is none.
TElement* ElementMitKuerzel(const TSchule& schule, TKuerzelArt art, std::string_view kuerzel);

// Where a reopened window goes. The saved left and top are taken when at least 200 pixels remain
// between them and the right, respectively lower, edge of the work area; the saved width and
// height only when they are smaller than those of the window as it opened.
struct TFensterRahmen {
  int fLinks = 0;
  int fOben = 0;
  int fBreite = 0;
  int fHoehe = 0;

  friend bool operator==(const TFensterRahmen&, const TFensterRahmen&) = default;
};
TFensterRahmen FensterRahmen(const TFenster& satz, const TFensterRahmen& geoeffnet,
                             const TFensterRahmen& arbeitsflaeche);

}  // namespace orbato
