#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "persist/dateistand.h"
#include "persist/plandatei.h"
#include "persist/sperrdatei.h"

namespace orbato {

class Dialoge;
class TSchule;
class Uhr;

// The plan file a document of the program belongs to, from opening to closing: the lock the
// program holds beside it, whether it was opened read-only, the file's size and time when the
// program last read or wrote it, and the recovery file the document's changes go to. The command
// line keeps none of this; it writes only the files it is asked for.
class TPlanBindung {
 public:
  // `datenOrdner` is the user's data folder, which takes the recovery files of untitled and
  // read-only documents; empty: such documents have none.
  TPlanBindung(Dialoge& dialoge, const Uhr& uhr, std::string datenOrdner,
               TSperre ich = EigeneSperre());
  // Gives the lock back; the recovery file stays, since only saving or closing settles it.
  ~TPlanBindung();
  TPlanBindung(const TPlanBindung&) = delete;
  TPlanBindung& operator=(const TPlanBindung&) = delete;

  // Opens a plan file: takes its lock or, while another holds it, asks ("Schreibgeschützt
  // öffnen", "Trotzdem öffnen", "Abbrechen"); then, for writing, offers a newer recovery file,
  // whose state is loaded under the plan file's name and marked dirty on "Wiederherstellen", and
  // which goes on "Verwerfen". A recovery file that cannot be read is reported and put aside.
  // Answers the document read, none when the user cancelled; a plan file that cannot be read
  // raises TStreamFehler. Either way the binding is then untitled, or bound to the file.
  TGeladenerPlan Oeffnen(const std::string& plan);
  // At start without a file: offers the recovery files untitled documents of ended runs left in
  // the data folder, newest first; answers the document restored (untitled, dirty), or none.
  TGeladenerPlan UnbenannteAnbieten();

  // The plan file, empty while untitled.
  const std::string& Plan() const { return fPlan; }
  bool Schreibgeschuetzt() const { return fSchreibgeschuetzt; }
  // Where the document's changes are kept until saved; empty when nowhere.
  const std::string& WiederherstellDatei() const { return fWiederherstellDatei; }

  // Before saving to `ziel`: whether it may be written. Asks first when another program changed
  // the bound file since it was read or written here, or when another planner holds `ziel`.
  bool DarfSchreiben(const std::string& ziel);
  // After a save to `ziel`: the recovery file goes, the lock moves to `ziel`, read-only ends.
  void Gesichert(const std::string& ziel);
  // Writes the document's state to its recovery file, when it has one and unsaved changes.
  // Failures raise TStreamFehler.
  void SchreibeWiederherstellung(TSchule& schule);
  // The document leaves its file (closing it, or becoming untitled): the recovery file goes,
  // the lock is given back.
  void Loesen();

  // Whether a process of this computer still runs; the system's answer unless a test says.
  std::function<bool(int64_t)> fLebt = ProzessLebt;

 private:
  // Loads the recovery file under the name `plan` (empty: untitled); none when it cannot be read,
  // which is reported and the file put aside.
  TGeladenerPlan LadeWiederherstellung(const std::string& pfad, const std::string& plan);
  void Binden(const std::string& plan, bool schreibgeschuetzt);
  // The lock goes back and the binding is untitled; the recovery file stays where it is.
  void Freigeben();
  std::string UnbenanntDatei() const;

  Dialoge& fDialoge;
  const Uhr& fUhr;
  const std::string fDatenOrdner;
  const TSperre fIch;
  std::string fPlan;
  bool fSchreibgeschuetzt = false;
  bool fGesperrt = false;  // whether the lock file beside fPlan was taken here
  std::optional<TDateiStand> fStand;
  std::string fWiederherstellDatei;
  std::string fUnbenannt;  // an untitled document's recovery file, adopted after a restore
};

}  // namespace orbato
