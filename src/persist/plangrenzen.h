#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "persist/dateilesen.h"

namespace orbato {

class TSchule;

// Every count and number of the plan file has 16 bits. Answers, for a document that does not fit,
// the message that names what is too large (Windows-1252); none when it can be written as it is.
std::optional<std::string> PlanGrenzenUeberschritten(const TSchule& schule);

// The sizes in bytes of the plan file's records at their largest, field by field as the writer
// puts them: at most 54 plan versions, and no count above 32767, the largest an Int holds.
namespace plangroesse {
inline constexpr std::uintmax_t kZahl = 32767;
inline constexpr std::uintmax_t kMaske = 54 * 7 * 2;        // a day word per version and day
inline constexpr std::uintmax_t kJeVersion = 54 * 2;        // targets or hours
inline constexpr std::uintmax_t kVerweise = 2 + kZahl * 2;  // a count and its references
inline constexpr std::uintmax_t kKuerzel = 2 + kZahl * 12;  // one list of section 3
inline constexpr std::uintmax_t kLehrer = 32 + kJeVersion + 2 + kVerweise + 2 * kMaske + 13;
inline constexpr std::uintmax_t kKlasse = 32 + kJeVersion + 6 + 2 * kMaske + 5;
inline constexpr std::uintmax_t kRaum = 32 + 2 * kMaske + 4;
inline constexpr std::uintmax_t kUVTab = 33 + 2 * kVerweise;
inline constexpr std::uintmax_t kSetzung = 11;  // its substitutions are counted for the document
// teacher, coupling, subject; classes, rooms, added rooms; hours; placements; the rest
inline constexpr std::uintmax_t kKurs =
    6 + 3 * kVerweise + kJeVersion + 2 + kZahl * kSetzung + 32 + 4 + 3 + kMaske + 10;
inline constexpr std::uintmax_t kVertretung = 187;
inline constexpr std::uintmax_t kFehl = 10;
inline constexpr std::uintmax_t kFenster = 266;
}  // namespace plangroesse

// The largest plan file there can be: every list of the layout at 32767 entries. The document
// holds at most that many substitutions in all, since each is written with its number, and the
// parallel grid at most 32767 rows and columns. The lists inside records (a teacher's subjects, a
// table's members and classes, a course's classes, rooms and placements) and the grid make the
// bound grow with the square of 32767, so it lies near 27 GB: far beyond any school, and still
// a file above it cannot be a plan file; reading stops before it starts.
inline constexpr std::uintmax_t kMaxPlanDateiBytes = [] {
  using namespace plangroesse;
  return 2 + 888 + 2 + 2 * kMaske  // version, calendar, grids
         + 6 * kKuerzel            // short names
         + 6 * 2 + kZahl * (kLehrer + kKlasse + 32 + 32 + kRaum + kUVTab)  // sections 4 to 9
         + 2 + kZahl * kKurs + kZahl * kVertretung                         // courses
         + 3 * (2 + kZahl * kFehl)                                         // absences
         + 4 + kZahl * kZahl * 2                                           // parallel grid
         + 2 + kZahl * kFenster;                                           // windows
}();

inline constexpr TDateiArt kPlanDatei{"eine Plandatei", kMaxPlanDateiBytes};

}  // namespace orbato
