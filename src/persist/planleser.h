#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "persist/puffer.h"

namespace orbato {

class Dialoge;
class Uhr;

// A file whose format version this program does not read; the message says which way.
class TVersionsFehler : public TStreamFehler {
 public:
  using TStreamFehler::TStreamFehler;
};

// A file that is no plan file at all: too short to hold the version number, or one no plan file
// ever began with (zero or positive: every version number is negative). "Die Datei NAME ist keine
// Plandatei." names the file without folder.
class TKeinePlandatei : public TStreamFehler {
 public:
  explicit TKeinePlandatei(const std::string& pfad);
};

// Loading a plan file into the document, inside the progress window "Einlesen".
class TReadForm {
 public:
  TReadForm(Dialoge& dialoge, const Uhr& uhr) : fDialoge(dialoge), fUhr(uhr) {}

  // Fills Schule(), which must be empty, from the file, and sets the number of plan versions and
  // the current version in Standard(). A failure raises TStreamFehler ("Stream-Lesefehler",
  // TVersionsFehler, …) and leaves the document half filled: read into a fresh document (see
  // LadePlan) so that the user's stays untouched.
  void ReadFromFile(const std::string& pfad);
  // The same from a file's bytes; `pfad` names the file.
  void ReadFromBytes(std::vector<uint8_t> bytes, const std::string& pfad);

  // The format version read; every old-layout branch tests it.
  int32_t fVersion = 0;

 private:
  friend class TPlanLeser;
  // Sets the bar to the stream position in KiloBytes.
  void ZeichneBalken(const TBuffer& ein);

  Dialoge& fDialoge;
  const Uhr& fUhr;
};

}  // namespace orbato
