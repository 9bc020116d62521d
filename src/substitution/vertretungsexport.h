#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/basis/datum.h"

namespace orbato {

class Dialoge;
class TSchule;
class TVertretungsUebersicht;

// The dated substitution list for other school software, UTF-8, CR LF at every line end: the
// records whose dates lie from `von` to `bis` (whole days), by date. Before the first record of
// each date after 1 January 2020 two lines, both starting "yyyymmdd;dddd;;;": the first goes on
// with "100;" and the teachers absent that day, the second with "101;" and the absent classes,
// short names joined by ",". Then each record's export line. Records of one date keep the order of
// course teacher, course and period.
void VertretungExportToFile(const TSchule& schule, Dialoge& dialoge, const std::string& pfad,
                            TDatumZeit von, TDatumZeit bis);
std::vector<uint8_t> VertretungExportBytes(const TSchule& schule, TDatumZeit von, TDatumZeit bis);

// The statistics grid of a substitution overview without its header row, in the file code: cells
// separated by TAB, every row ended by CR. Teachers and classes are written alike.
void VertrLeUebExportToFile(const TVertretungsUebersicht& uebersicht, Dialoge& dialoge,
                            const std::string& pfad);
void VertrKlUebExportToFile(const TVertretungsUebersicht& uebersicht, Dialoge& dialoge,
                            const std::string& pfad);
std::vector<uint8_t> VertrUebExportBytes(const TVertretungsUebersicht& uebersicht);

}  // namespace orbato
