#pragma once

#include <string>
#include <vector>

#include "model/basis/datum.h"
#include "model/elemente/kuerzelart.h"

namespace orbato {

class TSchule;
class TStandard;

// What "Kalender (iCal)" wrote, or why it stopped.
struct TKalenderExport {
  std::vector<std::string> dateien;  // the file names, in the order written
  std::string fehler;                // empty when every file was written
};

// Writes into the folder `ordner` (created when missing) one calendar file per teacher, class or
// room of the kinds `arten` (leh, kla, rau), each with its lessons from `von` to `bis`:
// "Lehrer_MUE.ics", "Klasse_5a.ics", "Raum_101.ics" (other bytes than letters and digits of the
// short name as "%XX"). `jetzt` is the time stamp of every event.
TKalenderExport KalenderExport(const TSchule& schule, const TStandard& standard,
                               const std::string& ordner, const std::vector<TKuerzelArt>& arten,
                               TDatumZeit von, TDatumZeit bis, TDatumZeit jetzt);

// The file name of an element's calendar.
std::string KalenderDateiName(TKuerzelArt art, const std::string& kuerzel);

}  // namespace orbato
