#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "persist/dateilesen.h"
#include "persist/einstellungsspeicher.h"

namespace orbato {

// Reads an INI text (UTF-8) into a store: "[Schlüssel]" opens a key, "name=wert" sets a value of
// the open key. Blanks around names and values are dropped; a value in double quotes keeps its
// blanks, with \" and \\ for a quote and a backslash. Lines starting with ';' or '#' are comments;
// lines without '=' and values before the first key are ignored. Texts arrive in Windows-1252.
void LiesIniText(std::string_view text, TEinstellungenImSpeicher& ziel);

// The settings are fewer than a thousand values of a few characters; the longest are paths and the
// lines of the ten remark lists a user types. A settings file of 16 MiB would hold thousands of
// times that; a larger one is something else given by mistake and is not taken in.
inline constexpr std::uintmax_t kMaxEinstellungsDateiBytes = 16 * 1024 * 1024;
inline constexpr TDateiArt kEinstellungsDatei{"eine Einstellungsdatei", kMaxEinstellungsDateiBytes};

// Reads the INI file at `pfad` into the store. A missing file holds no values, so every value
// keeps its default; any other file that cannot be read raises TStreamFehler with its message.
void LiesIniDatei(const std::string& pfad, TEinstellungenImSpeicher& ziel);

}  // namespace orbato
