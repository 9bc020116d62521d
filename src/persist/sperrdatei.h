#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "model/basis/datum.h"

namespace orbato {

class Dialoge;

// Who has a plan file open for writing, as the lock file beside it says in one line
// "user,computer,yyyy-mm-ddThh:mm:ss,pid", the way office programs mark a document in use.
struct TSperre {
  std::string fBenutzer;  // UTF-8, as the system names them
  std::string fRechner;
  std::string fZeit;  // local time, "yyyy-mm-ddThh:mm:ss"
  int64_t fPid = 0;
};

// ".~lock.NAME.orb#" beside the plan file.
std::string SperrDateiPfad(const std::string& plan);
std::string SperrZeile(const TSperre& sperre);
// None for a line that does not have the four fields.
std::optional<TSperre> LiesSperrZeile(std::string_view zeile);

// This process on this computer, its time still to be set.
TSperre EigeneSperre();
// Whether a process of this computer still runs; a number it cannot judge counts as running.
bool ProzessLebt(int64_t pid);

// Takes the lock of a plan file for `ich`, whose time is set to `jetzt`: a missing lock file is
// created (never over one that appears meanwhile); a lock of this computer whose process is gone
// (`lebt` false), or one carrying this very process, is taken over without asking. Otherwise the
// holder is returned and nothing is written: the caller asks the user. A folder where no lock file
// can be written leaves the file without a lock (none is returned): there is nobody to warn.
std::optional<TSperre> SperreNehmen(const std::string& plan, TSperre ich, TDatumZeit jetzt,
                                    const std::function<bool(int64_t)>& lebt = ProzessLebt);
// The holder of a plan file other than `ich` whose lock still counts; none when the file is free.
std::optional<TSperre> FremdeSperre(const std::string& plan, const TSperre& ich,
                                    const std::function<bool(int64_t)>& lebt = ProzessLebt);
// Puts `ich` into the lock file, whoever held it; a folder without write access is left alone.
void SperreUebernehmen(const std::string& plan, TSperre ich, TDatumZeit jetzt);
// Removes the lock file while it still names this user, computer and process.
void SperreFreigeben(const std::string& plan, const TSperre& ich);

// The answer to "Datei in Bearbeitung".
enum class TSperrAntwort { Schreibgeschuetzt, Trotzdem, Abbrechen };
// Asks what to do with a plan file (`name` without folder, Windows-1252) that `fremd` holds.
TSperrAntwort FrageSperre(Dialoge& dialoge, const std::string& name, const TSperre& fremd);
// Before saving over a plan file that `fremd` holds: "Ja" only writes.
bool FrageFremdUeberschreiben(Dialoge& dialoge, const std::string& name, const TSperre& fremd);

}  // namespace orbato
