#pragma once

#include <string>

#include "model/einstellungen/standard.h"

namespace orbato {

// The name the pages link and the exports write beside them.
inline constexpr const char* kStilvorlageName = "orbato.css";

// The stylesheet of the timetable and substitution pages in the given look: plain ASCII, lines
// ended by a line feed. Covers the elements and classes the pages use (BODY, H1 to H3, TABLE, TH,
// TD, A, HR; "Titel", "Plan", "Null", "Eins" to "Fuenf", "Adhoc").
std::string Stilvorlage(const THTMLFarben& farben);

// Writes the stylesheet as "orbato.css" into `ordner` (replacing one there through a temporary
// file) and answers the path written. TStreamFehler when it cannot be written.
std::string SchreibeStilvorlage(const std::string& ordner, const THTMLFarben& farben);

// The stylesheet in the look of the settings, put beside freshly published pages: written as
// "orbato.css" into `ordner` when fStilvorlageSchreiben asks for it and no file of that name is
// there, so that a school's own sheet is never replaced. Answers whether it was written;
// TStreamFehler when it cannot be.
bool StilvorlageBeilegen(const std::string& ordner, const TStandard& standard);

}  // namespace orbato
