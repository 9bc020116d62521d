#pragma once

#include <cstdint>

#include "model/basis/fixtext.h"

namespace orbato {

// Where one document window stood, as the plan file keeps it so that the window is reopened
// there: its kind, caption and frame.
struct TFenster {
  int32_t fArt = 0;
  str255 fTitel;
  int32_t fLinks = 0;
  int32_t fOben = 0;
  int32_t fBreite = 0;
  int32_t fHoehe = 0;

  friend bool operator==(const TFenster&, const TFenster&) = default;
};

}  // namespace orbato
