#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orbato {

class Dialoge;
class TSchule;

// The format version every plan file is written with.
inline constexpr int32_t kPlanVersion = -300;

// Saving the document into its plan file, inside the progress window "Speichern".
class TWriteForm {
 public:
  explicit TWriteForm(Dialoge& dialoge) : fDialoge(dialoge) {}

  // Writes Schule() to the file. A document beyond the format's limits is refused before anything
  // is written; the old file survives every failure. On success the document takes the file's name
  // (without folder) and is clean; on failure it keeps its name and its dirty mark. Failures raise
  // TStreamFehler with the message for the user. With `kopien` the versions the file replaces are
  // kept as backups NAME.orb.1 … (see SchreibeMitSicherungsKopien).
  void WriteToFile(const std::string& pfad, int kopien = 0);

  // The bytes of the plan file of a document; numbers its substitution records on the way.
  static std::vector<uint8_t> PlanBytes(TSchule& schule, Dialoge* dialoge = nullptr);

 private:
  Dialoge& fDialoge;
};

// A line of the progress window's information label while a plan file is read or written: the
// text followed by 20 blanks.
std::string PlanLabel(std::string text);

// The part of a path after the last folder separator.
std::string DateiNameOhnePfad(const std::string& pfad);

}  // namespace orbato
