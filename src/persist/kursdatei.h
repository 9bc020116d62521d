#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "persist/plangrenzen.h"

namespace orbato {

// The course exchange file: one course line per record, ended by CR, of 23 fields separated by
// TAB; fields 13 to 17 are lists whose items are separated by the group separator. LF is no part
// of the format and is dropped wherever it stands, so that CR LF line ends read like CR.
inline constexpr uint8_t kKursTab = 9;
inline constexpr uint8_t kKursLF = 10;
inline constexpr uint8_t kKursCR = 13;
inline constexpr uint8_t kKursGruppe = 29;
inline constexpr int kKursFelder = 23;
inline constexpr int kKursErsteListe = 13;
inline constexpr int kKursLetzteListe = 17;

// The exchange format sets no largest size of its own: LF may stand anywhere and is dropped, and
// lines may repeat. So the bound is a choice: the import takes no file larger than the largest
// plan file, whose document it fills. No real school comes near; its exchange file has a line of
// some hundred bytes per class of a course.
inline constexpr std::uintmax_t kMaxKursDateiBytes = kMaxPlanDateiBytes;
inline constexpr TDateiArt kKursDatei{"eine Importdatei", kMaxKursDateiBytes};

// One field, or one item of a list field, at the separator that ended it.
struct TKursFeld {
  int fFeld = 1;           // 1-based; counts on past 23 in a line with too many TABs
  int fEintrag = 1;        // 1-based item of a list field; 1 everywhere else
  uint8_t fEnde = 0;       // kKursTab, kKursGruppe or kKursCR
  std::string_view fText;  // in memory code, without LF
};

// Reads the bytes from the start, each with ReadZeichen, and hands every field and item to
// `feld` as its separator is read; a last line without CR ends with its last TAB. Stops early
// when `feld` answers false. `balken` gets the position after every hundredth byte.
void DurchlaufeKursDatei(const std::vector<uint8_t>& bytes,
                         const std::function<bool(const TKursFeld&)>& feld,
                         const std::function<void(std::size_t position)>& balken);

// A short or long name as the file gives it, without the blanks around it.
std::string_view OhneRandBlanks(std::string_view text);

// The number a field holds: an optional "-" and digits. Every other text, "-" alone included,
// counts as 0, so that the items the format check lets through without asking for digits still
// give a number.
int32_t KursZahl(std::string_view text);

}  // namespace orbato
