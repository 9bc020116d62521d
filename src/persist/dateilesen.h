#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orbato {

// What a reader expects to find at a path: the words its messages use for such a file
// (Windows-1252, "eine Plandatei") and the largest size such a file can have.
struct TDateiArt {
  const char* fName;
  std::uintmax_t fHoechstens;
};

// The whole content of the file at `pfad`, for every reader of the program. Only an ordinary file
// is opened: a folder, a FIFO or a device (which might never end, or never answer) is refused
// before it is opened, and so is a file larger than `art` allows. Raises TStreamFehler with the
// message for the user:
//   "Datei %s kann nicht geöffnet werden. %s" with the reason when the file is missing, cannot be
//     read or is no ordinary file,
//   "Datei %s ist zu groß für %s (höchstens %s Bytes)." when it is larger than the bound,
//   "Stream-Lesefehler" when reading fails part-way.
std::vector<uint8_t> LiesGanzeDatei(const std::string& pfad, const TDateiArt& art);

}  // namespace orbato
