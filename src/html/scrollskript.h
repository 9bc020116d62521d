#pragma once

#include "html/htmlseite.h"

namespace orbato {

// The script that lets a substitution page scroll itself on a notice screen: on load it jumps to
// the end to learn the page's height, then steps down by fVertrScrollPixel every
// fVertrScrollSekunden milliseconds, starts at the top again at the end, and reloads the page
// every fVertrLaden minutes.
void SchreibeScrollSkript(THTMLSeite& seite);

}  // namespace orbato
