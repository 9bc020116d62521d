#pragma once

#include <string_view>

#include "persist/einstellungsspeicher.h"

namespace orbato {

// Reads an INI text (UTF-8) into a store: "[Schlüssel]" opens a key, "name=wert" sets a value of
// the open key. Blanks around names and values are dropped; a value in double quotes keeps its
// blanks, with \" and \\ for a quote and a backslash. Lines starting with ';' or '#' are comments;
// lines without '=' and values before the first key are ignored. Texts arrive in Windows-1252.
void LiesIniText(std::string_view text, TEinstellungenImSpeicher& ziel);

}  // namespace orbato
