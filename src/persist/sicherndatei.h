#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orbato {

// Writes a whole file so that the previous one is never damaged: the bytes go into a temporary
// file in the same folder, which is flushed to the disk and then renamed over the old file; the
// folder is flushed too. On any failure the temporary file is removed, the old file stays as it
// was, and TStreamFehler carries the message ("Datei "%s" kann nicht erstellt werden. %s" or
// "Stream-Schreibfehler").
void SchreibeDateiSicher(const std::string& pfad, const std::vector<uint8_t>& bytes);

}  // namespace orbato
