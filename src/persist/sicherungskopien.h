#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "persist/sicherndatei.h"

namespace orbato {

// The name of backup `nr` of a plan file, "NAME.orb.1" being the newest.
std::string SicherungsKopie(const std::string& plan, int nr);

// How a whole file is written: SchreibeDateiSicher, unless a test puts a failing one in its place.
using TDateiSchreiber =
    std::function<void(const std::string& pfad, const std::vector<uint8_t>& bytes)>;

// Writes `bytes` as the plan file and keeps the versions it replaces as `anzahl` backups (0: none).
// The oldest goes first: .2 is copied over .3, .1 over .2, the plan file to .1, and only then is
// the plan file written. Each copy is a whole-file write that replaces its target at once, so every
// name holds a whole version at every moment: a failure at any step (TStreamFehler) leaves no fewer
// backups than before and the plan file as it was. A copy keeps the time its version was saved at.
// Names the order skips (a missing .1) are left out, not filled.
void SchreibeMitSicherungsKopien(const std::string& plan, const std::vector<uint8_t>& bytes,
                                 int anzahl,
                                 const TDateiSchreiber& schreiben = SchreibeDateiSicher);

}  // namespace orbato
