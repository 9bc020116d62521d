#pragma once

namespace orbato {

// Limits of the data layout; the active extents are fields of the settings object.
inline constexpr int kMaxWochen = 54;
inline constexpr int kMaxTage = 7;
inline constexpr int kMaxStunden = 16;
inline constexpr int kKalenderWochen = 888;
inline constexpr int kAutoTabellen = 4;

}  // namespace orbato
