#include "persist/kursformat.h"

#include <algorithm>
#include <cstddef>

namespace orbato {
namespace {

constexpr std::size_t kKuerzel = 11;
constexpr std::size_t kInfo = 31;

bool Laenge(std::string_view text, std::size_t von, std::size_t bis) {
  return text.size() >= von && text.size() <= bis;
}

bool NurZiffern(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool NurZiffernOderStrich(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return (c >= '0' && c <= '9') || c == '-'; });
}

bool Ziffern(std::string_view text, std::size_t von, std::size_t bis) {
  return Laenge(text, von, bis) && NurZiffern(text);
}

bool ZiffernOderStrich(std::string_view text, std::size_t von, std::size_t bis) {
  return Laenge(text, von, bis) && NurZiffernOderStrich(text);
}

bool Schalter(std::string_view text) {
  return text == "0" || text == "1";
}

// The last field is checked more loosely than the other flags: it needs one "0" or "1" among
// whatever else the line's end holds. The import then reads it as true only when it is "1".
bool EinSchalter(std::string_view text) {
  return std::count_if(text.begin(), text.end(), [](char c) { return c == '0' || c == '1'; }) == 1;
}

// An item followed by another: versions and periods 1..2 characters, the day exactly one.
bool EintragOk(int feld, std::string_view text) {
  switch (feld) {
    case 13:
    case 15:
      return Laenge(text, 1, 2);
    case 14:
      return text.size() == 1;
    case 16:
      return text.size() <= kKuerzel;
    default:
      return text.size() <= kInfo;
  }
}

// The last item of a list, which is empty when the course has no placements.
bool LetzterEintragOk(int feld, std::string_view text) {
  switch (feld) {
    case 13:
    case 15:
      return Ziffern(text, 0, 2);
    case 14:
      return text.size() <= 1;
    case 16:
      return text.size() <= kKuerzel;
    default:
      return text.size() <= kInfo;
  }
}

bool FeldOk(int feld, std::string_view text) {
  switch (feld) {
    case 1:
    case 2:
      return Ziffern(text, 1, 5);
    case 3:
      return ZiffernOderStrich(text, 1, 4);
    case 5:
    case 7:
    case 9:
    case 11:
      return text.size() <= kKuerzel;
    case 4:
    case 6:
    case 8:
    case 10:
    case 12:
      return text.size() <= kInfo;
    case 18:
      return Ziffern(text, 1, 2);
    case 19:
    case 20:
      return ZiffernOderStrich(text, 0, 2);
    case 21:
    case 22:
      return Schalter(text);
    default:
      if (feld >= kKursErsteListe && feld <= kKursLetzteListe) return LetzterEintragOk(feld, text);
      return true;
  }
}

}  // namespace

bool KursFeldOk(const TKursFeld& f) {
  switch (f.fEnde) {
    case kKursGruppe:
      return f.fFeld >= kKursErsteListe && f.fFeld <= kKursLetzteListe &&
             EintragOk(f.fFeld, f.fText);
    case kKursCR:
      return f.fFeld == kKursFelder && EinSchalter(f.fText);
    default:
      return FeldOk(f.fFeld, f.fText);
  }
}

}  // namespace orbato
