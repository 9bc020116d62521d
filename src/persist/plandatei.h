#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/dokument/schule.h"
#include "persist/puffer.h"

namespace orbato {

class Dialoge;
class Uhr;

// A plan file read into a document of its own.
struct TGeladenerPlan {
  std::unique_ptr<TSchule> schule;
  int32_t version = 0;             // the format version read
  bool wiederhergestellt = false;  // read from a recovery file, not from the plan file itself
};

// Reads a plan file into a fresh document, so that a failure part-way leaves the caller's
// document as it was: on TStreamFehler the half-read document is gone and the settings the file
// sets (plan versions, current version) are back as they were. The caller installs the document
// it gets and reopens its windows.
TGeladenerPlan LadePlan(const std::string& pfad, Dialoge& dialoge, const Uhr& uhr);
TGeladenerPlan LadePlan(std::vector<uint8_t> bytes, const std::string& pfad, Dialoge& dialoge,
                        const Uhr& uhr);

}  // namespace orbato
