#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/basis/datum.h"

namespace orbato {

class Dialoge;
class TSchule;

// "NAME.orb.wiederherstellung" beside the plan file: the state of a changed document, written
// every few minutes and before commands that change much at once, so that a crash loses little.
std::string WiederherstellungsPfad(const std::string& plan);
// The recovery file of an untitled document of process `pid`, in the user's data folder.
std::string UnbenanntPfad(const std::string& datenOrdner, int64_t pid);

// Writes the document as a plan file to the recovery file, with the crash-safe write; the
// document keeps its name and its dirty mark. A document beyond the format's limits writes
// nothing (saving says why). Failures raise TStreamFehler.
void SchreibeWiederherstellung(const std::string& pfad, TSchule& schule);

// The recovery file of a plan file when it is worth offering: it exists and is newer than the
// plan file (or the plan file is gone). The moment it was written, in local time.
std::optional<TDatumZeit> WiederherstellungNeuer(const std::string& plan);

// The recovery files of untitled documents of processes of this computer that are gone, the
// newest first.
struct TUnbenannteWiederherstellung {
  std::string fPfad;
  TDatumZeit fZeit = 0;
};
std::vector<TUnbenannteWiederherstellung> VerwaisteUnbenannte(
    const std::string& datenOrdner, const std::function<bool(int64_t)>& lebt);

// Puts a recovery file that cannot be read out of the way, as NAME.defekt beside it, so that it
// is kept for the user but no longer offered or overwritten; the new path, or none when it
// cannot be moved.
std::optional<std::string> DefektBeiseite(const std::string& pfad);

// The answer to "Wiederherstellung".
enum class TWiederherstellAntwort { Wiederherstellen, Verwerfen, Abbrechen };
// Asks about a recovery file written at `zeit`, for the plan file `name` (without folder,
// Windows-1252), or for an untitled document when `name` is empty. "Abbrechen", which closing the
// box answers too, keeps the file and opens nothing.
TWiederherstellAntwort FrageWiederherstellung(Dialoge& dialoge, const std::string& name,
                                              TDatumZeit zeit);

}  // namespace orbato
