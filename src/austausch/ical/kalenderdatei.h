#pragma once

#include <string>
#include <vector>

#include "austausch/ical/stundenereignis.h"

namespace orbato {

// One iCalendar text (RFC 5545, built and written by libical): a VCALENDAR named `name` with one
// VEVENT per event. Times are floating local times: a school's periods are wall-clock times at
// the school, and a floating time needs no time-zone table that would make the file differ with
// the machine's time-zone data. `jetzt` (local time) is converted to the DTSTAMP as if it were UTC,
// for the same reason. Texts are given in the document's character set and written as UTF-8.
std::string KalenderText(const std::string& name, const std::vector<TStundenEreignis>& ereignisse,
                         TDatumZeit jetzt);

}  // namespace orbato
