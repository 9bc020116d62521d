#pragma once

#include <string>
#include <vector>

#include "model/basis/datum.h"

namespace orbato {

class TPlanElement;
class TSchule;
class TStandard;

// What a printout is recorded from. The options are those the printout's dialog stored in the
// settings; the selection and the date come from the dialog or the command line.
struct TDruckAuftrag {
  const TSchule& schule;
  const TStandard& standard;
  // The elements chosen under "Auswahl"; empty means the printout's whole list.
  std::vector<const TPlanElement*> auswahl;
  // The substitution printouts: the date, the print layouts ticked (1..4) and the remark lines
  // of the print dialog.
  TDatumZeit datum = 0;
  std::vector<int> einstellungen;
  std::vector<std::string> bemerkungen;
  // The last day of the printouts over a range of days, which begins at `datum`; a date before
  // `datum` (as when none is given) makes the range that one day.
  TDatumZeit bis = 0;
};

}  // namespace orbato
