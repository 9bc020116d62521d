#pragma once

#include <string>
#include <string_view>

#include "model/basis/datum.h"

namespace orbato {

// A date as the German Windows locale writes it with a format picture: d dd ddd dddd (day,
// two digits, "Mo", "Montag"), m mm mmm mmmm (month, two digits, "Mrz", "März"), yy yyyy,
// h hh and n nn s ss (hour, minute, second; m right after an hour is the minute), text in
// double or single quotes as it stands, every other character as it stands. Windows-1252.
std::string FormatDatum(std::string_view format, TDatumZeit d);

// The date and time as the system shows a moment: "dd.mm.yyyy", with " hh:nn:ss" unless the
// moment is midnight.
std::string DatumZeitText(TDatumZeit d);

}  // namespace orbato
