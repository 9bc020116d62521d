#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/basis/datum.h"

namespace orbato {

// Size and time of last change of a file: what tells whether another program wrote it since the
// program last read or wrote it itself.
struct TDateiStand {
  std::uintmax_t fGroesse = 0;
  int64_t fZeitNs = 0;  // nanoseconds since 1970, as the file system keeps it
  bool operator==(const TDateiStand&) const = default;
};

// The stand of an ordinary file; none when there is none at the path.
std::optional<TDateiStand> DateiStand(const std::string& pfad);

// A moment of the file system as the program's local date and time (seconds, no fraction).
TDatumZeit OrtsZeit(int64_t zeitNs);

}  // namespace orbato
