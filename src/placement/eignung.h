#pragma once

#include "model/basis/datum.h"

namespace orbato {

class TSetzung;

// Whether a date cannot carry a substitution for the placement: another weekday, a calendar week
// on another plan version, a holiday, or a date the placement already has a substitution on.
bool UngeeigneterTag(const TSetzung& setzung, TDatumZeit datum);

}  // namespace orbato
