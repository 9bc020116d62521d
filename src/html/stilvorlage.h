#pragma once

#include <string>

#include "model/einstellungen/standard.h"

namespace orbato {

// The name the pages link and a school copies next to them.
inline constexpr const char* kStilvorlageName = "orbato.css";

// The stylesheet of the timetable and substitution pages in the given look: plain ASCII, lines
// ended by a line feed. Covers the elements and classes the pages use (BODY, H1 to H3, TABLE, TH,
// TD, A, HR; "Titel", "Plan", "Null", "Eins" to "Fuenf", "Adhoc").
std::string Stilvorlage(const THTMLFarben& farben);

// Writes the stylesheet as "orbato.css" into `ordner` (replacing one there through a temporary
// file) and answers the path written. TStreamFehler when it cannot be written.
std::string SchreibeStilvorlage(const std::string& ordner, const THTMLFarben& farben);

}  // namespace orbato
