#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orbato {

// A single-byte text with a fixed capacity: whatever is assigned is cut to N bytes. The model keeps
// all texts in Windows-1252, one byte per character, so the cut never splits a character.
template <std::size_t N>
class TFixText {
 public:
  static constexpr std::size_t Kapazitaet = N;

  TFixText() = default;
  TFixText(std::string_view s)
      : fText(s.substr(0, N)) {}  // NOLINT: assignment from text is the point
  TFixText(const char* s) : TFixText(std::string_view(s)) {}  // NOLINT

  TFixText& operator=(std::string_view s) {
    fText.assign(s.substr(0, N));
    return *this;
  }
  TFixText& operator=(const char* s) { return *this = std::string_view(s); }
  TFixText& operator=(const std::string& s) { return *this = std::string_view(s); }

  const std::string& str() const { return fText; }
  operator std::string_view() const { return fText; }  // NOLINT
  std::size_t size() const { return fText.size(); }
  bool empty() const { return fText.empty(); }

  friend bool operator==(const TFixText& a, const TFixText& b) = default;
  friend bool operator==(const TFixText& a, std::string_view b) { return a.fText == b; }
  friend bool operator==(const TFixText& a, const char* b) { return a.fText == b; }
  friend bool operator==(const TFixText& a, const std::string& b) { return a.fText == b; }

 private:
  std::string fText;
};

using TKuerzelString = TFixText<11>;  // short names
using TInfoString = TFixText<31>;     // long names and info texts
using TBemString = TFixText<81>;      // remarks
using TGrundString = TFixText<1>;     // absence reason
using TStundenString = TFixText<15>;  // period labels
using str255 = TFixText<255>;         // file names and titles

}  // namespace orbato
