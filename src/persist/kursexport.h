#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orbato {

class Dialoge;
class TSchule;

// The course exchange file, the input of the import: per course in the document's order one line
// per class (one with an empty class when it has none) of 23 TAB-separated fields in the file
// code, the placements as lists in fields 13 to 17, CR at every line end. The hours are those of
// the current selection, summed over all versions when all are selected.
void KursExportToFile(const TSchule& schule, Dialoge& dialoge, const std::string& pfad);
std::vector<uint8_t> KursExportBytes(const TSchule& schule);

// "Lanis Stundenplan (csv)": a header, then one line per placement, UTF-8, fields each followed by
// ";", CR at every line end. A field holding ";", CR or LF is put in double quotes, a quote
// inside doubled; every other field is written as it is.
void CSVExportToFile(const TSchule& schule, Dialoge& dialoge, const std::string& pfad);
std::vector<uint8_t> CSVExportBytes(const TSchule& schule);

// "Schulmanager (csv)": the same with the course's number, the period label and the coupling.
void CSVSMExportToFile(const TSchule& schule, Dialoge& dialoge, const std::string& pfad);
std::vector<uint8_t> CSVSMExportBytes(const TSchule& schule);

}  // namespace orbato
