#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "austausch/gpu/gpudatei.h"
#include "model/basis/datum.h"

namespace orbato {

class TSchule;

// How the files are written, and the days from `von` to `bis` whose absences (GPU013) and
// substitutions (GPU014) go with the plan; with both 0 the plan goes alone.
struct TGpuExportArt {
  TGpuSchreibart schreibart;
  TDatumZeit von = 0, bis = 0;
};

// "Untis-Dateien (GPU)": GPU001 (timetable) to GPU006 of the current plan version, and with a
// range of days GPU013 (the absences) and GPU014 (the substitutions), by file name. Each coupling,
// and each course outside one, is one Untis lesson numbered from 1 in course order; its courses'
// lines carry the coupling's name as description (field 21), so that a coupling of one course comes
// back.
std::map<std::string, std::vector<uint8_t>> GpuExportDateien(const TSchule& schule,
                                                             const TGpuExportArt& art);

// Writes those files into the folder, creating it when needed; how many. Raises TStreamFehler.
std::size_t GpuExportInOrdner(const TSchule& schule, const std::string& ordner,
                              const TGpuExportArt& art);

}  // namespace orbato
